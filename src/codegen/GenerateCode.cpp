#include "codegen/GenerateCode.h"

#include <algorithm>

#include "codegen/ComponentWriters.h"
#include "codegen/GenerationChecks.h"
#include "codegen/GenerationWarnings.h"
#include "codegen/MenuBarWriter.h"
#include "codegen/SkeletonWriter.h"
#include "codegen/TargetWrappers.h"
#include "platform/Conversions.h"
#include "platform/Text.h"

namespace korvane {
namespace {

bool HasPart(std::string_view joined, std::string_view part) {
    size_t start = 0;
    while (true) {
        const size_t bar = joined.find('|', start);
        if (joined.substr(start, bar == std::string_view::npos ? std::string_view::npos
                                                               : bar - start) == part)
            return true;
        if (bar == std::string_view::npos) return false;
        start = bar + 1;
    }
}

CodegenRow RowOfSlot(const DesignDocument& doc, int slot) {
    const ComponentRecord& record = doc.Slot(slot);
    CodegenRow row{slot,
                   record.ComponentName,
                   record.ComponentType,
                   record.ComponentValue,
                   record.Left,
                   record.Top,
                   record.Width,
                   record.Height,
                   record.ComponentEvents,
                   {},
                   record.ComponentTabOrder,
                   {},
                   record.ZOrder,
                   {}};
    if (IsWritablePopup(record.ComponentPopup)) {
        row.SetPopup(record.ComponentPopup);
        const std::string_view trigger = row.binding.trigger;
        if (row.designEvents.empty()) {
            row.designEvents = trigger;
        } else if (!HasPart(row.designEvents, trigger)) {
            AppendAll(row.ownEvents, {row.designEvents, "|", trigger});
        }
    }
    return row;
}

bool HasKind(const CodegenTable& table, std::string_view type) {
    return std::any_of(table.begin(), table.end(),
                       [&](const CodegenRow& row) { return row.type == type; });
}

void WriteDeclarations(JavaFile& file) {
    file.checkboxGroupDeclared = file.buttonGroupDeclared = false;
    for (const CodegenRow& row : file.table)
        if (!WriteAwtDeclaration(file, row)) WriteSwingDeclaration(file, row);
}

void WriteConstructionBlocks(JavaFile& file) {
    file.checkboxGroupDeclared = file.buttonGroupDeclared = false;
    for (const CodegenRow& row : file.table)
        if (!WriteAwtConstruction(file, row)) WriteSwingConstruction(file, row);
}

// What the file takes from the design besides its table.
void DescribeFile(const DesignDocument& doc, JavaFile& file) {
    file.generateType = doc.Target;
    file.className = doc.FileName;
    file.fontName = doc.FontName;
    file.fontStyle = doc.FontStyle;
    file.fontSize = doc.FontSize;
    file.dialogParent = doc.DialogParent;
    file.surfaceWidth = doc.OuterWidth - kFrameWidth;
    file.surfaceHeight = doc.OuterHeight - kFrameHeight;
    if (HasKind(file.table, "OptionButton")) file.swingGroupName = "cbg_swing";
    file.stacking = PlanStacking(file.table);
    file.menuElements = &doc.MenuElements;
    if (IsFrameTarget(file.generateType)) file.menuTree = BuildMenuTree(doc.MenuElements);
}

}  // namespace

CodegenTable BuildCodegenTable(const DesignDocument& doc) {
    struct Keyed {
        double tabOrder;
        int slot;
    };
    std::vector<Keyed> live;
    live.reserve(static_cast<size_t>(doc.LiveCount()));
    for (int slot = 1; slot <= doc.SlotCount(); ++slot)
        if (doc.IsLive(slot)) live.push_back({Val(doc.Slot(slot).ComponentTabOrder), slot});
    std::stable_sort(live.begin(), live.end(),
                     [](const Keyed& a, const Keyed& b) { return a.tabOrder < b.tabOrder; });
    CodegenTable table;
    table.reserve(live.size());
    for (const Keyed& k : live) table.push_back(RowOfSlot(doc, k.slot));
    return table;
}

// Sections 3 and 4 and what runs between them; a split body spreads them over local classes.
void WriteBody(JavaFile& file, const ListenerPlan& plan) {
    file.BeginChunks();
    WriteConstructionBlocks(file);
    WriteMenuBarConstruction(file);
    WriteStackingLines(file);
    WriteListenerRegistrations(plan, file);
    file.EndChunks();
}

void WriteAppletClass(JavaFile& file, const ListenerPlan& plan) {
    WriteImportsAndHeader(file);
    WriteDeclarations(file);
    WriteInitOpening(file);
    WriteLayoutAndFont(file);
    WriteBody(file, plan);
    WriteInitEnd(file);
    WriteListenerClasses(plan, file.generateType, file.sink);
    WriteMainAndClassEnd(file);
    WriteLayoutClass(file);
    WriteFocusClass(file);
}

void WriteWindowClass(JavaFile& file, const ListenerPlan& plan) {
    WriteImportsAndHeader(file);
    WriteDeclarations(file);
    WriteMenuDeclarations(file);
    WriteConstructorOpening(file);
    WriteLayoutAndFont(file);
    WriteBody(file, plan);
    WriteConstructorClosing(file);
    WriteListenerClasses(plan, file.generateType, file.sink);
    WriteMainAndClassEnd(file);
    WriteLayoutClass(file);
    WriteFocusClass(file);
    WriteMenuBarLayoutClass(file);
}

GeneratedJava GenerateJava(const DesignDocument& doc, const EventCatalogue& catalogue,
                           LineSink& sink) {
    if (doc.LiveCount() == 0) return {{}, kNoComponentMessage, {}};
    if (!IsTargetKind(doc.Target))
        return {{},
                "The target kind " + Quoted(doc.Target) +
                    " is not one of Applet, Frame, "
                    "Dialog, Panel, JApplet, JFrame, JDialog and JPanel.",
                {}};
    const CodegenTable table = BuildCodegenTable(doc);

    JavaFile file(sink, table);
    DescribeFile(doc, file);

    const ListenerPlan plan =
        BuildListenerPlan(table, catalogue, file.generateType, doc.MenuElements, file.menuTree);
    std::vector<std::string> warnings;
    {
        GenerationChecker checker(file, plan, catalogue);
        if (std::string refusal = checker.Refusal(doc.MenuElements); !refusal.empty())
            return {{}, std::move(refusal), {}};
        const MethodCode code = checker.MethodSizes();
        file.splitBody = code.body > kMaxMethodCode;
        file.splitLayout = code.layout > kMaxMethodCode;
        warnings = GenerationWarnings(file, plan, doc.MenuElements);
        UnwrittenPopupBindings(doc, table, warnings);
        if (std::string size = checker.ClassSizeWarning(); !size.empty())
            warnings.push_back(std::move(size));
    }

    if (IsAppletTarget(file.generateType)) {
        WriteAppletClass(file, plan);
    } else {
        WriteWindowClass(file, plan);
    }
    return {{}, {}, std::move(warnings)};
}

GeneratedJava GenerateJava(const DesignDocument& doc, const EventCatalogue& catalogue) {
    LineSink sink;
    GeneratedJava generated = GenerateJava(doc, catalogue, sink);
    if (generated.ok()) generated.lines = sink.TakeLines();
    return generated;
}

std::string MenuBarRefusal(const DesignDocument& doc, const std::vector<MenuElement>& elements,
                           const EventCatalogue& catalogue) {
    DesignDocument frame = doc;
    if (!IsFrameTarget(frame.Target)) frame.Target = "JFrame";
    frame.MenuElements = elements;
    const CodegenTable table = BuildCodegenTable(frame);
    LineSink sink;
    JavaFile file(sink, table);
    DescribeFile(frame, file);
    const ListenerPlan plan =
        BuildListenerPlan(table, catalogue, file.generateType, elements, file.menuTree);
    return GenerationChecker(file, plan, catalogue).MenuBarRefusal(elements);
}

void RunGenerateCommand(DocumentController& form, CodeListing& codeWindow,
                        const EventCatalogue& catalogue) {
    DesignDocument& doc = form.doc;
    MessageBoxService& messages = form.Messages();
    if (doc.LiveCount() == 0) {
        messages.Show(Warning(kNoComponentMessage, "Korvane"));
        return;
    }
    if (doc.FileName.empty()) {
        messages.Show(Warning(kSaveFirstMessage, "Korvane"));
        form.FileSave();
        const bool noPath = doc.FilePath.find_first_not_of(' ') == std::string::npos;
        if (noPath || doc.FileName.empty()) return;
    }
    doc.JavaClassName = doc.FileName;
    GeneratedJava generated = GenerateJava(doc, catalogue);
    if (!generated.ok()) {
        messages.Show(Warning(generated.refusal, "Korvane"));
        return;
    }
    messages.Show(MessageRequest{kGeneratedMessage, "Korvane", MessageIcon::Information,
                                 MessageButtons::Ok, 1});
    if (!generated.warnings.empty())
        messages.Show(Warning(WarningsMessage(generated.warnings), "Korvane"));
    codeWindow.ShowGenerated(std::move(generated.lines));
}

}  // namespace korvane
