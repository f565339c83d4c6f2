// The frame of every generated file: the imports and the class header, the opening and end of
// init(), the layout and font lines, and the layout manager class that places every component
// at its designed pixel bounds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "codegen/JavaFile.h"

namespace korvane {

// The Java expression of a font style: one or two of PLAIN, BOLD and ITALIC separated by
// blanks ("BOLD ITALIC" gives Font.BOLD|Font.ITALIC); nullopt for any other style.
std::optional<std::string> FontStyleExpression(std::string_view fontStyle);

// The font name as written: "Times Roman" is Java's TimesRoman; other names are unchanged.
std::string JavaFontName(std::string_view fontName);

// Whether the file imports javax.swing.*: a Swing target, a Swing component or a Swing popup.
bool NeedsSwingImport(const JavaFile& file);

// Section 1 up to the field declarations: imports, an empty line, the class header.
void WriteImportsAndHeader(JavaFile& file);
// The opening of init() of an applet.
void WriteInitOpening(JavaFile& file);
// The layout object, the font and the layout assignment, each block ending with an empty line.
void WriteLayoutAndFont(JavaFile& file);
// The end of init() of an applet.
void WriteInitEnd(JavaFile& file);
// Section 8: the class <Class>Layout, the last lines of the file.
void WriteLayoutClass(JavaFile& file);

// The designed content area's width in whole pixels, as the layout class gives it.
int DesignedContentWidth(const JavaFile& file);

}  // namespace korvane
