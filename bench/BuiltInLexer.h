#pragma once

#include <QByteArray>
#include <QString>

class SciView;

// Scintilla's own Blitz Basic lexer, the reference Korvo is measured against.

// The keyword set of the lexer, in its lower case, from a keyword listing.
QByteArray LexerKeywords(const QString& listing);
// The view colours itself with the lexer and these keywords from now on.
void UseBuiltInLexer(SciView& view, const QByteArray& keywords);
