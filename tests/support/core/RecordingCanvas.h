#pragma once

#include "core/report/ReportCanvas.h"

#include <QStringList>

#include <map>
#include <vector>

// A printer canvas for tests: records every drawing call with the font in force, measures texts
// with fixed character widths (bold wider than regular, proportional to the size) and reports a
// 600 dpi A4 printer unless told otherwise.
class RecordingCanvas final : public ReportCanvas {
public:
    enum class Kind { Begin, NewPage, End, Text, MoveTo, LineTo, Pen };
    struct Op {
        Kind kind;
        int x = 0;
        int y = 0;
        QString text;
        ReportFont font;
    };

    DeviceMetrics device{600, 600, 100, 100, 4760, 6814};
    bool startFails = false;
    std::map<QString, int> widths; // texts measured as given instead
    std::vector<Op> ops;

    bool beginDocument(const QString &title) override
    {
        ops.push_back({Kind::Begin, 0, 0, title, m_font});
        return !startFails;
    }
    void newPage() override { ops.push_back({Kind::NewPage, 0, 0, {}, m_font}); }
    void endDocument() override { ops.push_back({Kind::End, 0, 0, {}, m_font}); }
    DeviceMetrics metrics() const override { return device; }
    void setFont(const ReportFont &font) override { m_font = font; }
    void setPenWidth(int pixels) override { ops.push_back({Kind::Pen, pixels, 0, {}, m_font}); }

    // 12 pt: regular 40, bold 50 pixels a character; 10 pixels a point high.
    static int charWidth(const ReportFont &font) { return font.pointSize * (font.bold ? 50 : 40) / 12; }
    int textWidth(const QString &text) override
    {
        const auto fixed = widths.find(text);
        return fixed != widths.end() ? fixed->second : int(text.size()) * charWidth(m_font);
    }
    int textHeight(const QString &) override { return m_font.pointSize * 10; }

    void textOut(int x, int y, const QString &text) override { ops.push_back({Kind::Text, x, y, text, m_font}); }
    void moveTo(int x, int y) override { ops.push_back({Kind::MoveTo, x, y, {}, m_font}); }
    void lineTo(int x, int y) override { ops.push_back({Kind::LineTo, x, y, {}, m_font}); }

    std::vector<Op> texts() const
    {
        std::vector<Op> result;
        for (const Op &op : ops)
            if (op.kind == Kind::Text)
                result.push_back(op);
        return result;
    }

    // The first text drawn that starts with prefix.
    const Op *text(const QString &prefix) const
    {
        for (const Op &op : ops)
            if (op.kind == Kind::Text && op.text.startsWith(prefix))
                return &op;
        return nullptr;
    }

    int pages() const
    {
        int count = 1;
        for (const Op &op : ops)
            count += op.kind == Kind::NewPage;
        return count;
    }

private:
    ReportFont m_font;
};
