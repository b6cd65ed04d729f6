#pragma once

#include <QString>

// The font of a report text: face, size in points and the two style switches.
struct ReportFont {
    QString family = QStringLiteral("Arial");
    int pointSize = 12;
    bool bold = false;
    bool underline = false;

    bool operator==(const ReportFont &) const = default;
};

// What the page layout asks of the printer: resolution and the printable area, in device pixels.
struct DeviceMetrics {
    int logPixelsX = 0; // dots per inch across
    int logPixelsY = 0; // dots per inch down
    int physicalOffsetX = 0; // left edge of the printable area from the paper's edge
    int physicalOffsetY = 0; // top edge of the printable area from the paper's edge
    int pageWidth = 0; // width of the printable area
    int pageHeight = 0; // height of the printable area
};

// The printer's canvas as the report draws on it: device pixels with the origin at the top-left
// corner of the printable area, texts placed by their top-left corner, lines drawn from the
// current point, black on white.
class ReportCanvas {
public:
    virtual ~ReportCanvas() = default;

    // Starts the print job with its document name; false when the printer cannot be started.
    virtual bool beginDocument(const QString &title) = 0;
    // Ends the current page and starts the next one.
    virtual void newPage() = 0;
    // Ends the job; the pages go to the printer.
    virtual void endDocument() = 0;

    virtual DeviceMetrics metrics() const = 0;

    virtual void setFont(const ReportFont &font) = 0;
    virtual void setPenWidth(int pixels) = 0;

    // Extent of text in the current font.
    virtual int textWidth(const QString &text) = 0;
    virtual int textHeight(const QString &text) = 0;

    virtual void textOut(int x, int y, const QString &text) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
};
