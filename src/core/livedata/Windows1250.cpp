#include "core/livedata/Windows1250.h"

#include <iconv.h>

#include <cerrno>

namespace {

// One conversion descriptor for the thread; iconv keeps state per descriptor.
class Converter {
public:
    Converter() : m_cd(iconv_open("WINDOWS-1250", "UTF-8")) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    QByteArray convert(const QString &text)
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return text.toLatin1();
        QByteArray input = text.toUtf8();
        QByteArray output(input.size() + 1, Qt::Uninitialized);
        char *in = input.data();
        std::size_t inLeft = std::size_t(input.size());
        char *out = output.data();
        std::size_t outLeft = std::size_t(output.size());
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            if (iconv(m_cd, &in, &inLeft, &out, &outLeft) != std::size_t(-1))
                break;
            if (errno != EILSEQ && errno != EINVAL)
                break;
            // A character outside the code page: write "?" and skip its UTF-8 bytes.
            *out++ = '?';
            --outLeft;
            do {
                ++in;
                --inLeft;
            } while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80);
        }
        output.truncate(int(out - output.data()));
        return output;
    }

private:
    iconv_t m_cd;
};

} // namespace

QByteArray toWindows1250(const QString &text)
{
    thread_local Converter converter;
    return converter.convert(text);
}

QString fromWindows1250(const QByteArray &bytes)
{
    // The upper half of the code page; 0 marks a byte it leaves undefined.
    static constexpr char16_t kUpper[128] =
        {0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A,
         0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122,
         0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
         0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
         0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
         0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
         0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
         0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
         0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
         0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        const char16_t upper = code < 0x80 ? char16_t(code) : kUpper[code - 0x80];
        *out++ = QChar(code >= 0x80 && upper == 0 ? char16_t(0xFFFD) : upper);
    }
    return text;
}
