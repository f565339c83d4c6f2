// Generating over an existing Java file: the fresh generation with what the developer wrote
// in the old file kept.
//
//   - A listener method (matched by its listener class and method name) whose body is not the
//     stub the generator writes keeps that body in place of the new stub.
//   - Text of the developer's own (imports, members of the public, layout and listener classes,
//     top-level classes, comments) stays after the generated item it followed; when that item
//     is gone, after the nearest one before it that remains.
//   - A listener method with a body of the developer's whose component or event is gone, and
//     the developer's members of a listener class that is gone, are kept at the end of the
//     public class, commented out line by line under a line naming them, with a warning.
//
// A file without such text gives the fresh generation byte for byte, and merging a merged file
// again with the same design gives it back unchanged. The merge refuses, naming the line, a
// file that is not this class as Korvane generates it, one whose text does not parse or whose
// braces do not balance, developer code inside a method Korvane generates (the constructor,
// init(), main, the layout class's methods), which a new generation would drop, and a listener
// method whose first line was changed so that it can no longer be matched.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "javasource/ClassReader.h"

namespace korvane::javasource {

struct MergeResult {
    bool merged = false;
    Finding refusal;                    // why nothing was merged, naming the line
    std::vector<std::string> warnings;  // one sentence each
};

class Merger;

// A merge in two steps, so that the old file's text may go before the new class is generated
// into its memory (at 32767 components each may be 100 MB): ReadOld reads and checks the old
// file and keeps a copy of the little the merge takes from it; Merge then puts the fresh
// generation around that.
class JavaMerge {
  public:
    explicit JavaMerge(std::string_view className);
    ~JavaMerge();
    JavaMerge(const JavaMerge&) = delete;
    JavaMerge& operator=(const JavaMerge&) = delete;

    // Why `oldFile` cannot be merged, naming the line; nothing when it can.
    std::optional<Finding> ReadOld(std::string_view oldFile);
    // Once, after a ReadOld that found nothing against the file.
    MergeResult Merge(std::string_view fresh, const std::function<void(std::string_view)>& write);

  private:
    std::unique_ptr<Merger> merger_;
};

// Merges `oldFile` (the Java file on disk) with `fresh`, the generation of class `className`
// just made (lines ended by CR LF), writing the result through `write` in pieces. Nothing is
// written when the merge is refused.
MergeResult MergeJava(std::string_view oldFile, std::string_view fresh, std::string_view className,
                      const std::function<void(std::string_view)>& write);

// The refusal as one message: "line N: why".
std::string RefusalMessage(const Finding& refusal);

}  // namespace korvane::javasource
