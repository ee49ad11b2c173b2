#pragma once

#include <QString>

namespace tavexo {

// Opens a workbook in the program the desktop names for .xlsx files. False
// when the desktop names none (or cannot be asked), so that the caller can
// offer to save the file instead.
bool OpenInSpreadsheetProgram(const QString& path);

}  // namespace tavexo
