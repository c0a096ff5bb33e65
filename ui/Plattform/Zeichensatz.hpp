// The bridge between the program's single-byte texts (Windows-1252, as the tables,
// names and files hold them) and the window system's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;

namespace zenaro {

// A Windows-1252 text as a window-system string.
QString Win1252AlsQString(std::string_view win1252);
// A window-system string as Windows-1252; a character without a Windows-1252 byte
// becomes "?".
std::string QStringAlsWin1252(const QString& text);

// Whether every character of the text has a Windows-1252 byte, so that the text
// reaches the files unchanged.
bool Win1252Darstellbar(const QString& text);

// The field takes only texts that the single-byte files can hold: an edit that
// would bring in a character without a Windows-1252 byte, typed or pasted, is
// refused and the text stays as it was.
void NurWin1252Zulassen(QLineEdit& feld);

}  // namespace zenaro
