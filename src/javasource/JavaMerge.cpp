#include "javasource/JavaMerge.h"

#include <algorithm>
#include <bit>
#include <memory_resource>
#include <unordered_map>
#include <unordered_set>

#include "codegen/EventCatalogue.h"
#include "javasource/JavaLexis.h"
#include "platform/OpenHashTable.h"

namespace korvane::javasource {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// An item of the old file in a table of names: its index plus one (0: a free slot), and the low
// bits of its name's hash.
struct ItemSlot {
    uint32_t item = 0;
    uint32_t hash = 0;
    bool Used() const { return item != 0; }
};

// An item's identity in either file: its kind, container and name as written.
struct ItemKey {
    ItemKind kind;
    std::string_view container, name;
    bool operator==(const ItemKey&) const = default;
};
struct ItemKeyHash {
    size_t operator()(const ItemKey& k) const {
        const std::hash<std::string_view> h;
        return h(k.name) * 31 + h(k.container) * 7 + static_cast<size_t>(k.kind);
    }
};
ItemKey KeyOf(const GeneratedItem& item) {
    return {item.kind, item.container, item.name};
}

struct MethodKey {
    std::string_view className, method;
    bool operator==(const MethodKey&) const = default;
};
struct MethodKeyHash {
    size_t operator()(const MethodKey& k) const {
        const std::hash<std::string_view> h;
        return h(k.className) * 31 + h(k.method);
    }
};

std::string Shortened(std::string_view text) {
    constexpr size_t kMost = 80;
    if (text.size() <= kMost) return std::string(text);
    return std::string(text.substr(0, kMost)) + "...";
}

// Writes in pieces of about 1 MiB, each line of developer text with the generator's line end.
class Output {
  public:
    explicit Output(const std::function<void(std::string_view)>& write) : write_(write) {}
    ~Output() { Flush(); }
    void Raw(std::string_view bytes) {
        if (bytes.size() >= kPiece) {
            // Long stretches of the fresh file go on without a copy.
            Flush();
            write_(bytes);
            return;
        }
        piece_.append(bytes);
        if (piece_.size() >= kPiece) Flush();
    }
    // Text of the old file, line by line, each line with the generator's line end; the
    // prefix, when given, starts every line.
    void Lines(std::string_view text, std::string_view prefix = {}) {
        while (!text.empty()) {
            size_t lf = text.find('\n');
            std::string_view line = text.substr(0, lf);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            piece_.append(prefix).append(line).append(kLineEnd);
            text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        }
        if (piece_.size() >= kPiece) Flush();
    }
    void Flush() {
        if (!piece_.empty()) write_(piece_);
        piece_.clear();
    }

  private:
    static constexpr size_t kPiece = size_t{1} << 20;
    const std::function<void(std::string_view)>& write_;
    std::string piece_;
};

// Something put into the fresh text at an offset: developer text after an item, an old body
// in place of a stub, or the kept code of what is gone at the end of the public class.
struct Insertion {
    size_t at = 0;        // offset in the fresh text
    size_t skipTo = 0;    // for a body: where the fresh text goes on
    int order = 0;        // among insertions at one offset
    size_t sequence = 0;  // the old file's order
    enum class Kind { Text, Body, Kept } kind = Kind::Text;
    const DeveloperText* text = nullptr;
    const ListenerMethod* method = nullptr;
    std::string keptHeading;  // for Kept
    bool dropLastEmptyLine = false;
    bool emptyLineFirst = false;
};

}  // namespace

class Merger {
  public:
    explicit Merger(std::string_view className) : className_(className) {}

    std::optional<Finding> ReadOld(std::string_view oldFile) {
        old_ = ReadClassForMerge(oldFile);
        if (!Safe()) return result_.refusal;
        CollectDeveloperFields();
        KeepWhatTheMergeTakes(oldFile);
        return std::nullopt;
    }

    MergeResult Merge(std::string_view fresh, const std::function<void(std::string_view)>& write) {
        fresh_ = fresh;
        const bool edited = std::any_of(old_.methods.begin(), old_.methods.end(),
                                        [](const ListenerMethod& m) { return m.edited; });
        if (old_.texts.empty() && !edited) {
            // Nothing of the developer's: the fresh file as it is.
            write(fresh_);
            result_.merged = true;
            return std::move(result_);
        }
        // Only the items that place developer text or an edited body are looked up in the
        // fresh file: first the item each text follows; only when one of those is gone, every
        // item a text may move back to.
        WantItems(true);
        if (!ReadFresh()) return std::move(result_);
        if (!AnchorsLive()) {
            WantItems(false);
            if (!ReadFresh()) return std::move(result_);
        }
        FindLiveAnchors();
        PlaceTexts();
        PlaceBodies();
        Write(write);
        result_.merged = true;
        return std::move(result_);
    }

  private:
    void Refuse(int line, std::string why) {
        result_.refusal = {line, std::move(why)};
        result_.merged = false;
    }

    // Whether the old file can be merged without losing or mistaking anything.
    bool Safe() {
        if (old_.refusal) {
            Refuse(old_.refusal->line, old_.refusal->text);
            return false;
        }
        if (old_.facts.className != className_) {
            Refuse(old_.facts.headerLine, "the file holds the class " + old_.facts.className +
                                              ", not " + std::string(className_));
            return false;
        }
        if (!old_.codeInGeneratedMethods.empty()) {
            const Finding& code = old_.codeInGeneratedMethods.front();
            Refuse(code.line, "code of your own inside a method Korvane generates would be lost: " +
                                  Shortened(code.text));
            return false;
        }
        // A field or listener class written twice: the merge could keep only one of them.
        // (Both stand in the public class; a listener method written twice is refused by the
        // reader.)
        // A file holds hundreds of thousands of them. A bitmap of their hashes (taken by the
        // reader), small enough to stay in the processor's cache, finds the few that may stand
        // twice (those whose bit another set first), and only these go into the tables, whose
        // look-ups would otherwise each miss the cache.
        const auto nameOf = [this](const ItemSlot& slot) { return old_.items[slot.item - 1].name; };
        const auto isNamed = [](const GeneratedItem& item) {
            return item.kind == ItemKind::Field || item.kind == ItemKind::ListenerClass;
        };
        const size_t bits = std::bit_ceil(std::max<size_t>(old_.items.size() * 16, 64));
        std::vector<uint64_t> once(bits / 64), twice(bits / 64);
        const auto bitOf = [bits](const GeneratedItem& item) {
            return (item.nameHash + (item.kind == ItemKind::Field ? 1 : 0)) & (bits - 1);
        };
        for (const GeneratedItem& item : old_.items) {
            if (!isNamed(item)) continue;
            const size_t bit = bitOf(item);
            const uint64_t mask = uint64_t{1} << (bit % 64);
            (once[bit / 64] & mask ? twice : once)[bit / 64] |= mask;
        }
        OpenHashTable<ItemSlot> fields, listenerClasses;
        for (size_t i = 0; i < old_.items.size(); ++i) {
            const GeneratedItem& item = old_.items[i];
            if (!isNamed(item)) continue;
            const size_t bit = bitOf(item);
            if (!(twice[bit / 64] >> (bit % 64) & 1)) continue;
            const bool field = item.kind == ItemKind::Field;
            auto [slot, added] = (field ? fields : listenerClasses).Insert(item.name, nameOf);
            if (!added) {
                Refuse(item.line,
                       field ? "the field " + std::string(item.name) + " is declared twice"
                             : "the listener class " + std::string(item.name) + " is there twice");
                return false;
            }
            slot.item = static_cast<uint32_t>(i + 1);
        }
        // A listener method whose first line was changed reads as a method of the developer's:
        // it cannot be matched with the stub it replaces.
        const EventCatalogue catalogue;
        for (const DeveloperText& text : old_.texts) {
            if (!IsListenerContainer(text.container)) continue;
            for (const std::string& what : text.contents)
                if (what.starts_with("method ") &&
                    catalogue.MethodIndex(what.substr(7) + "()") >= 0) {
                    Refuse(text.firstLine,
                           "the first line of the listener method " + what.substr(7) + " in " +
                               std::string(text.container) +
                               " is not as Korvane writes it, so its code cannot be matched");
                    return false;
                }
        }
        return true;
    }

    bool ReadFresh() {
        ItemFilter wanted;
        wanted.keep = [this](const GeneratedItem& item) { return Wanted(item); };
        wanted.mainClass = mainClassWanted_;
        const auto read = [&](bool countLines) {
            lastContainer_ = {};
            wanted.countLines = countLines;
            new_ = ReadGeneratedClass(fresh_, true, &wanted);
        };
        read(false);
        if (new_.refusal) {
            read(true);  // for the line the fault is on
            Refuse(new_.refusal->line, "the fresh generation cannot be read back (" +
                                           new_.refusal->text + "); this is a fault of Korvane");
            return false;
        }
        freshItems_.clear();
        for (const GeneratedItem& item : new_.items) {
            if (const int line = DeveloperFieldLine(item); line > 0) {
                Refuse(line, "the field " + std::string(UnescapedName(item.name, scratch_)) +
                                 " of your own has the name of a field Korvane generates for the "
                                 "design; rename one of them");
                return false;
            }
            freshItems_.emplace(KeyOf(item), &item);
        }
        return true;
    }

    // The fields the developer declared in the public class, by name, with their lines: a fresh
    // field of the same name would declare it twice, and the next merge would take the
    // developer's declaration for the generated one.
    void CollectDeveloperFields() {
        for (const DeveloperText& text : old_.texts) {
            if (text.container != kMainClass) continue;
            for (const std::string& what : text.contents)
                if (what.starts_with("field "))
                    developerFields_.emplace(
                        UnescapedName(std::string_view(what).substr(6), scratch_), text.firstLine);
        }
    }

    // The line of the developer's field that has the name of this item, or 0.
    int DeveloperFieldLine(const GeneratedItem& item) {
        if (developerFields_.empty() || item.kind != ItemKind::Field ||
            item.container != kMainClass)
            return 0;
        const auto it = developerFields_.find(std::string(UnescapedName(item.name, scratch_)));
        return it == developerFields_.end() ? 0 : it->second;
    }

    // Whether the fresh file has the item each text follows.
    bool AnchorsLive() const {
        for (size_t t = 0; t < old_.texts.size(); ++t)
            if (nearestAnchor_[t] >= 0 &&
                !FreshHas(old_.items[static_cast<size_t>(nearestAnchor_[t])]))
                return false;
        return true;
    }

    bool FreshHas(const GeneratedItem& item) const {
        return item.kind != ItemKind::None && freshItems_.count(KeyOf(item));
    }

    // Whether the merge needs a fresh item: one of those WantItems found, or any of a listener
    // class that holds developer text or a body kept. The items of one listener class follow
    // one another: the class is looked up once.
    bool Wanted(const GeneratedItem& item) {
        if (DeveloperFieldLine(item) > 0) return true;
        if (!IsListenerContainer(item.container)) return wanted_.count(KeyOf(item)) > 0;
        if (item.container.data() != lastContainer_.data()) {
            lastContainer_ = item.container;
            lastContainerWanted_ = wantedContainers_.count(item.container) > 0;
        }
        return lastContainerWanted_;
    }

    // The old items a text may stay after: with `nearest`, the one it follows; else those of
    // its container from there back to the container's first line. Each is wanted once: a walk
    // stops at an item an earlier walk wanted, below which all of that container's items are
    // wanted already. The listener classes holding a body kept are wanted too.
    void WantItems(bool nearest) {
        wantedOld_.assign(old_.items.size(), false);
        textAnchor_.assign(old_.texts.size(), -1);
        nearestAnchor_.assign(old_.texts.size(), -1);
        wanted_.clear();
        wantedContainers_.clear();
        for (size_t t = 0; t < old_.texts.size(); ++t) {
            const DeveloperText& text = old_.texts[t];
            for (int i = text.anchor; i >= 0; --i) {
                const GeneratedItem& item = old_.items[static_cast<size_t>(i)];
                if (item.container != text.container) continue;
                if (textAnchor_[t] < 0) textAnchor_[t] = i;
                if (wantedOld_[static_cast<size_t>(i)]) break;
                wantedOld_[static_cast<size_t>(i)] = true;
                if (item.kind != ItemKind::None && !IsListenerContainer(item.container))
                    wanted_.insert(KeyOf(item));
                if (item.kind == ItemKind::None) continue;
                if (nearestAnchor_[t] < 0) nearestAnchor_[t] = i;
                if (item.kind == ItemKind::Header || nearest) break;
            }
            if (IsListenerContainer(text.container)) wantedContainers_.insert(text.container);
        }
        for (const ListenerMethod& m : old_.methods)
            if (m.edited) wantedContainers_.insert(m.className);
        mainClassWanted_ = !wantedContainers_.empty() || !developerFields_.empty() ||
                           std::any_of(wanted_.begin(), wanted_.end(), [](const ItemKey& key) {
                               return key.container == kMainClass;
                           });
    }

    // For each wanted old item, the nearest item of its container at or before it that the
    // fresh file has (-1: none): one pass in file order.
    void FindLiveAnchors() {
        liveAnchor_.assign(old_.items.size(), -1);
        std::pmr::unordered_map<std::string_view, int> lastLive(&nodes_);
        for (size_t i = 0; i < old_.items.size(); ++i) {
            if (!wantedOld_[i]) continue;
            const GeneratedItem& item = old_.items[i];
            if (FreshHas(item)) lastLive[item.container] = static_cast<int>(i);
            const auto it = lastLive.find(item.container);
            liveAnchor_[i] = it == lastLive.end() ? -1 : it->second;
        }
    }

    // The old item a text stays after: its anchor if the fresh file has it, else the nearest
    // item before it in the same container that the fresh file has; -1 for the container's
    // start, -2 when the container itself is gone.
    int LiveAnchor(size_t t) const {
        const DeveloperText& text = old_.texts[t];
        if (IsListenerContainer(text.container) &&
            !freshItems_.count({ItemKind::Header, text.container, {}}))
            return -2;
        const int anchor = textAnchor_[t];
        return anchor < 0 ? -1 : liveAnchor_[static_cast<size_t>(anchor)];
    }

    size_t ContainerStart(std::string_view container) const {
        if (container == kTopLevel) return 0;
        const auto it = freshItems_.find({ItemKind::Header, container, {}});
        return it == freshItems_.end() ? 0 : it->second->end;
    }

    void PlaceTexts() {
        for (size_t t = 0; t < old_.texts.size(); ++t) {
            const DeveloperText& text = old_.texts[t];
            const int anchor = LiveAnchor(t);
            Insertion insertion;
            insertion.text = &text;
            insertion.sequence = text.begin;
            if (anchor == -2) {
                insertion.kind = Insertion::Kind::Kept;
                insertion.at = new_.mainClassClose;
                insertion.order = 2;
                insertion.keptHeading = "the class " + std::string(text.container);
                result_.warnings.push_back(
                    "line " + std::to_string(text.firstLine) + ": the listener class " +
                    std::string(text.container) +
                    " is no longer in the design; the code of your own it held is kept, "
                    "commented out, at the end of the class " +
                    std::string(className_));
            } else if (anchor < 0) {
                insertion.at = ContainerStart(text.container);
                insertion.order = 1;
            } else {
                PlaceAfter(old_.items[static_cast<size_t>(anchor)], insertion);
            }
            insertions_.push_back(std::move(insertion));
        }
    }

    // Text that followed an item keeps its place against the item's empty line: text written
    // between an item and the empty line after it stays before that line (its own last empty
    // line was the item's), and text after the item's empty line stays after one.
    void PlaceAfter(const GeneratedItem& oldItem, Insertion& insertion) const {
        const GeneratedItem& fresh = *freshItems_.at(KeyOf(oldItem));
        insertion.order = 1;
        if (!oldItem.emptyLineAfter && fresh.emptyLineAfter) {
            insertion.at = fresh.endOfLines;
            insertion.dropLastEmptyLine = true;
        } else {
            insertion.at = fresh.end;
            insertion.emptyLineFirst = oldItem.emptyLineAfter && !fresh.emptyLineAfter;
        }
    }

    void PlaceBodies() {
        std::pmr::unordered_map<MethodKey, const ListenerMethod*, MethodKeyHash> fresh(&nodes_);
        fresh.reserve(new_.methods.size());
        for (const ListenerMethod& m : new_.methods)
            fresh.emplace(MethodKey{m.className, m.method}, &m);
        for (const ListenerMethod& m : old_.methods) {
            if (!m.edited) continue;
            Insertion insertion;
            insertion.method = &m;
            insertion.sequence = m.begin;
            const auto it = fresh.find({m.className, m.method});
            if (it != fresh.end()) {
                insertion.kind = Insertion::Kind::Body;
                insertion.at = it->second->bodyBegin;
                insertion.skipTo = it->second->bodyEnd;
                insertion.order = 0;
            } else {
                const std::string owner = ComponentOf(m.className);
                insertion.kind = Insertion::Kind::Kept;
                insertion.at = new_.mainClassClose;
                insertion.order = 2;
                insertion.keptHeading = owner + "." + std::string(m.method) + "()";
                result_.warnings.push_back(
                    "line " + std::to_string(m.headerLine) + ": " + insertion.keptHeading +
                    " is no longer in the design; its code is kept, commented out, at the end "
                    "of the class " +
                    std::string(className_));
            }
            insertions_.push_back(std::move(insertion));
        }
    }

    // The component or menu element of a listener class: its name less the suffix.
    std::string ComponentOf(std::string_view cls) const {
        for (const ListenerRow& row : catalogue_.ListenerTable())
            if (cls.ends_with(row.suffix) && cls.size() > row.suffix.size())
                return std::string(cls.substr(0, cls.size() - row.suffix.size()));
        return std::string(cls);
    }

    void Write(const std::function<void(std::string_view)>& write) {
        std::stable_sort(insertions_.begin(), insertions_.end(),
                         [](const Insertion& a, const Insertion& b) {
                             if (a.at != b.at) return a.at < b.at;
                             if (a.order != b.order) return a.order < b.order;
                             return a.sequence < b.sequence;
                         });
        Output out(write);
        size_t pos = 0;
        for (const Insertion& insertion : insertions_) {
            if (insertion.at > pos) {
                out.Raw(fresh_.substr(pos, insertion.at - pos));
                pos = insertion.at;
            }
            switch (insertion.kind) {
                case Insertion::Kind::Text: {
                    std::string_view bytes = Bytes(insertion.text->begin, insertion.text->end);
                    if (insertion.dropLastEmptyLine) bytes = WithoutLastEmptyLine(bytes);
                    if (insertion.emptyLineFirst && emptyLineAt_ != insertion.at) out.Raw(kLineEnd);
                    emptyLineAt_ = insertion.at;
                    out.Lines(bytes);
                    break;
                }
                case Insertion::Kind::Body:
                    out.Lines(Bytes(insertion.method->bodyBegin, insertion.method->bodyEnd));
                    pos = insertion.skipTo;
                    break;
                case Insertion::Kind::Kept: {
                    out.Raw("    // Korvane kept this code of " + insertion.keptHeading +
                            ", which the design no longer has:");
                    out.Raw(kLineEnd);
                    const std::string_view bytes =
                        insertion.method ? Bytes(insertion.method->begin, insertion.method->end)
                                         : Bytes(insertion.text->begin, insertion.text->end);
                    out.Lines(bytes, "    //");
                    break;
                }
            }
        }
        out.Raw(fresh_.substr(pos));
    }

    static std::string_view WithoutLastEmptyLine(std::string_view text) {
        if (!text.ends_with('\n')) return text;
        const size_t lineStart = text.rfind('\n', text.size() - 2);
        const size_t start = lineStart == std::string_view::npos ? 0 : lineStart + 1;
        if (text.substr(start).find_first_not_of(" \t\r\n") != std::string_view::npos) return text;
        return text.substr(0, start);
    }

    // Copies what the merge takes from the old file, so that its text may go: the names of its
    // items, its texts and its edited listener methods. Texts and methods are copied in the
    // file's order, so that their offsets, now into the copy, order them as the file did.
    void KeepWhatTheMergeTakes(std::string_view file) {
        const auto containerSize = [](std::string_view container) {
            return IsListenerContainer(container) ? container.size() : 0;
        };
        size_t total = 0;
        for (const GeneratedItem& item : old_.items)
            total += containerSize(item.container) + item.name.size();
        for (const DeveloperText& text : old_.texts)
            total += containerSize(text.container) + text.end - text.begin;
        for (const ListenerMethod& m : old_.methods)
            total += m.className.size() + m.method.size() + m.popupKind.size() +
                     m.popupClass.size() + m.end - m.begin;
        kept_.reserve(total);  // the views below stay where they are
        const auto keep = [this](std::string_view bytes) {
            const size_t at = kept_.size();
            kept_.append(bytes);
            return std::string_view(kept_).substr(at);
        };
        const auto keepContainer = [&](std::string_view container) {
            return IsListenerContainer(container) ? keep(container) : container;
        };
        for (GeneratedItem& item : old_.items) {
            item.container = keepContainer(item.container);
            item.name = keep(item.name);
        }
        std::vector<DeveloperText>& texts = old_.texts;
        std::vector<ListenerMethod>& methods = old_.methods;
        for (size_t t = 0, m = 0; t < texts.size() || m < methods.size();) {
            if (m == methods.size() || (t < texts.size() && texts[t].begin < methods[m].begin)) {
                DeveloperText& text = texts[t++];
                text.container = keepContainer(text.container);
                const size_t at = kept_.size();
                keep(file.substr(text.begin, text.end - text.begin));
                text.end = at + (text.end - text.begin);
                text.begin = at;
                continue;
            }
            ListenerMethod& method = methods[m++];
            method.className = keep(method.className);
            method.method = keep(method.method);
            method.popupKind = keep(method.popupKind);
            method.popupClass = keep(method.popupClass);
            const size_t at = kept_.size();
            keep(file.substr(method.begin, method.end - method.begin));
            method.bodyBegin = at + (method.bodyBegin - method.begin);
            method.bodyEnd = at + (method.bodyEnd - method.begin);
            method.end = at + (method.end - method.begin);
            method.begin = at;
        }
    }

    std::string_view Bytes(size_t begin, size_t end) const {
        return std::string_view(kept_).substr(begin, end - begin);
    }

    std::string_view fresh_;
    std::string className_;
    std::string kept_;  // what the merge takes from the old file
    ReadClass old_, new_;
    MergeResult result_;
    EventCatalogue catalogue_;
    // The nodes of the tables below, freed at once.
    std::pmr::monotonic_buffer_resource nodes_;
    std::pmr::unordered_set<ItemKey, ItemKeyHash> wanted_{&nodes_};
    std::pmr::unordered_set<std::string_view> wantedContainers_{&nodes_};
    bool mainClassWanted_ = true;  // any item of the public class or its listener classes
    std::unordered_map<std::string, int> developerFields_;  // name: line
    std::string scratch_;
    std::string_view lastContainer_;
    bool lastContainerWanted_ = false;
    std::vector<bool> wantedOld_;     // by old item
    std::vector<int> liveAnchor_;     // by old item, for the wanted ones
    std::vector<int> textAnchor_;     // by text: the first item of its container at its anchor
    std::vector<int> nearestAnchor_;  // by text: the first such item the generator writes
    std::pmr::unordered_map<ItemKey, const GeneratedItem*, ItemKeyHash> freshItems_{&nodes_};
    size_t emptyLineAt_ = static_cast<size_t>(-1);
    std::vector<Insertion> insertions_;
};

JavaMerge::JavaMerge(std::string_view className) : merger_(std::make_unique<Merger>(className)) {}

JavaMerge::~JavaMerge() = default;

std::optional<Finding> JavaMerge::ReadOld(std::string_view oldFile) {
    return merger_->ReadOld(oldFile);
}

MergeResult JavaMerge::Merge(std::string_view fresh,
                             const std::function<void(std::string_view)>& write) {
    return merger_->Merge(fresh, write);
}

MergeResult MergeJava(std::string_view oldFile, std::string_view fresh, std::string_view className,
                      const std::function<void(std::string_view)>& write) {
    JavaMerge merge(className);
    if (std::optional<Finding> refusal = merge.ReadOld(oldFile)) {
        MergeResult refused;
        refused.refusal = std::move(*refusal);
        return refused;
    }
    return merge.Merge(fresh, write);
}

std::string RefusalMessage(const Finding& refusal) {
    return "line " + std::to_string(refusal.line) + ": " + refusal.text;
}

}  // namespace korvane::javasource
