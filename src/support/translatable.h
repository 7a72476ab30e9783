// Marks a text the player reads, in code that has no Qt.
//
// The text stays what it is here (English), so the rules and their tests
// never depend on a language. lupdate finds it by the marker's name, which
// the build hands it as another spelling of QT_TRANSLATE_NOOP, and files it
// under `context`; the shell shows it through
// QCoreApplication::translate(context, text) with the same context.
#pragma once

#define GORBIX_TEXT(context, text) text
