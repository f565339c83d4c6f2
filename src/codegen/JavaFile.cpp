#include "codegen/JavaFile.h"

#include <algorithm>

#include "codegen/JavaText.h"
#include "codegen/Listeners.h"
#include "platform/Text.h"

namespace korvane {

bool IsTargetKind(std::string_view generateType) {
    return std::find(std::begin(kTargetKinds), std::end(kTargetKinds), generateType) !=
           std::end(kTargetKinds);
}

bool IsSwingTarget(std::string_view generateType) {
    return !generateType.empty() && generateType.front() == 'J';
}

bool IsAppletTarget(std::string_view generateType) {
    return generateType == "Applet" || generateType == "JApplet";
}

bool IsFrameTarget(std::string_view generateType) {
    return generateType == "Frame" || generateType == "JFrame";
}

bool IsDialogTarget(std::string_view generateType) {
    return generateType == "Dialog" || generateType == "JDialog";
}

bool UsesContentPane(std::string_view generateType) {
    return IsSwingTarget(generateType) && generateType != "JPanel";
}

void JavaFile::Emit(int spaces, std::initializer_list<LinePiece> pieces) {
    const bool statement = chunking_ && spaces >= 8;
    if (statement && !inChunk_) OpenChunk();
    std::string& line = sink.BeginLine();
    line.append(static_cast<size_t>(statement ? spaces + 8 : spaces), ' ');
    for (auto piece = pieces.begin(); piece != pieces.end();) {
        if (piece->literal) {
            AppendJavaStringLiteral(line, (piece++)->text);
            continue;
        }
        // The text pieces up to the next literal, with one growth of the line.
        const auto end =
            std::find_if(piece, pieces.end(), [](const LinePiece& p) { return p.literal; });
        AppendAll(line, piece, end, [](const LinePiece& p) { return p.text; });
        piece = end;
    }
    sink.EndLine();
    if (statement && ++chunkStatements_ == kChunkStatements) CloseChunk();
}

bool JavaFile::HasDialogPopup() const {
    if (!hasDialogPopup_) hasDialogPopup_ = HasDialogPopupBinding(table);
    return *hasDialogPopup_;
}

std::string JavaFile::ChunkClass(int k) const {
    return (className.starts_with('B') ? "C" : "B") + std::to_string(k);
}

void JavaFile::BeginChunks() {
    chunking_ = splitBody;
}

void JavaFile::EndChunks() {
    if (inChunk_) CloseChunk();
    chunking_ = false;
}

void JavaFile::OpenChunk() {
    inChunk_ = true;
    chunkStatements_ = 0;
    sink.EmitLine("        class " + ChunkClass(++chunks_) + " {");
    sink.EmitLine("            void run() {");
}

void JavaFile::CloseChunk() {
    inChunk_ = false;
    sink.EmitLine("            }");
    sink.EmitLine("        }");
    sink.EmitLine("        new " + ChunkClass(chunks_) + "().run();");
    sink.EmitLine("");
}

void JavaFile::EmitAdd(const ChildPieces& child) {
    const std::string_view add = UsesContentPane(generateType) ? "getContentPane().add(" : "add(";
    Emit(8, {add, child.before, child.name, child.after, ");"});
}

}  // namespace korvane
