// Text as it may appear in generated Java source: string literals and identifiers.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/TextCodec.h"

namespace korvane {

// The text between the quotes of a Java string literal holding utf8: backslash as \\, double
// quote as \", line feed as \n and carriage return as \r (javac turns \u000a and \u000d into
// line breaks before it reads the literal), every other character below U+0020, U+007F and
// every non-ASCII character as \uXXXX (four lowercase hex digits per UTF-16 code unit); other
// printable ASCII exactly as given.
// Bytes that are not valid UTF-8 are written as \ufffd. The result is pure ASCII.
std::string JavaStringContent(std::string_view utf8);

// JavaStringContent between double quotes: a complete Java string literal.
std::string JavaStringLiteral(std::string_view utf8);
// The same, appended to out.
void AppendJavaStringContent(std::string& out, std::string_view utf8);
void AppendJavaStringLiteral(std::string& out, std::string_view utf8);

// Whether javac takes the text as one string literal: it refuses a literal of 65535 or more
// UTF-16 code units, or of more than 65535 bytes in the class file (modified UTF-8: U+0000
// and U+0080..U+07FF take two bytes, U+0800..U+FFFF three, a surrogate pair six). Invalid
// bytes count as the U+FFFD they are written as.
bool FitsJavaStringLiteral(std::string_view utf8);

// The reserved words of Java, in alphabetical order (including "_").
std::span<const std::string_view> JavaKeywords();
bool IsJavaKeyword(std::string_view word);

// A line of Java source as pure ASCII: every non-ASCII character (in the generated file, only
// identifiers hold any) as \uXXXX escapes, which javac reads the same whatever encoding it
// assumes for the file. Text that is all ASCII comes back unchanged.
std::string AsciiJavaSource(std::string utf8);

// Decodes one UTF-8 sequence at text[i], advancing i; an invalid byte gives U+FFFD and
// advances by one.
char32_t NextCodePoint(std::string_view text, size_t& i);

// UTF-8 text that Java takes as an identifier: a letter (of any script), "_", "$", a currency
// symbol or a connector, then those, digits and combining marks; not a keyword and not one of
// the literals true, false and null. Characters Java would ignore inside a name are refused.
bool IsJavaIdentifier(std::string_view text);

// The restricted identifiers that may name variables but not a type (var, yield, record,
// sealed, permits).
bool IsRestrictedTypeName(std::string_view text);

}  // namespace korvane
