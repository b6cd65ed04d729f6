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
