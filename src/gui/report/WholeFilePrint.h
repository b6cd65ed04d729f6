#pragma once

#include <functional>

class QPrinter;

// How printing through WholeFilePrint ended.
enum class PrintOutcome { Printed, NotStarted, NotWritten };

// Prints with print(printer). When the printer writes a PDF file, the pages go to a hidden file
// beside it first, which takes the chosen name only once it is complete: a full disk or a
// program killed while printing never leaves a cut or empty file under that name (NotWritten
// when the file could not be written whole). Other printers are printed on directly.
PrintOutcome WholeFilePrint(QPrinter &printer, const std::function<bool(QPrinter &)> &print);
