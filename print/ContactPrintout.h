#pragma once

class PrinterTextDevice;
class QFont;
class StaticQuery;

// The font of the printout: the window's face and style at 12 points.
QFont PrintoutFont(const QFont &windowFont);

// Writes the heading and then, for each row of the result from the current one to its end,
// the contact's twelve labelled lines and an empty line.
void WriteContacts(PrinterTextDevice &printer, StaticQuery &rows);
