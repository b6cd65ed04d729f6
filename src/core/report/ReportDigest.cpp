#include "core/report/ReportDigest.h"

#include "core/report/PrintReport.h"
#include "core/report/ReportCanvas.h"

#include <QCryptographicHash>

namespace {

// A4 at 600 dpi, every character as wide as any other: the same texts always give the same
// lines and pages.
class DigestCanvas final : public ReportCanvas {
public:
    bool beginDocument(const QString &title) override
    {
        add(title);
        return true;
    }
    void newPage() override { m_hash.addData(QByteArrayView("\f")); }
    void endDocument() override {}
    DeviceMetrics metrics() const override { return {600, 600, 100, 100, 4760, 6816}; }
    void setFont(const ReportFont &font) override { m_points = font.pointSize; }
    void setPenWidth(int) override {}
    int textWidth(const QString &text) override { return int(text.size()) * m_points * 4; }
    int textHeight(const QString &) override { return m_points * 8; }
    void textOut(int, int, const QString &text) override { add(text); }
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}

    QString digest() const { return QString::fromLatin1(m_hash.result().toHex().left(32)); }

private:
    void add(const QString &text)
    {
        m_hash.addData(text.toUtf8());
        m_hash.addData(QByteArrayView("\0", 1));
    }

    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    int m_points = 12;
};

} // namespace

QString ReportContentDigest(const ReportData &report, const QStringList &remarks)
{
    DigestCanvas canvas;
    PrintReport(canvas, report, remarks);
    return canvas.digest();
}
