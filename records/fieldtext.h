#pragma once

#include <QString>

// What an entry field may hold. Pasted and typed text can carry characters that
// never belong in a record: line feeds in a name, control characters, and
// bidirectional overrides that make a name show reversed in the table.
namespace FieldText {

// For one-line fields: no C0 or C1 control characters, no line or paragraph
// separators, no bidirectional embedding, override or isolate characters. Line
// breaks and tabs become one space each; letters of every script stay.
QString singleLine(const QString &text);

// For comments: the same, except that line breaks stay (CR LF, CR and the
// Unicode separators become LF) and tabs stay.
QString multiLine(const QString &text);

} // namespace FieldText
