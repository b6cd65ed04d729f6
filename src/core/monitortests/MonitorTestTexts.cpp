#include "core/monitortests/MonitorTestTexts.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/monitortests/MonitorNames.h"
#include "core/monitortests/UnitScaling.h"
#include "core/text/HexByte.h"

QString NumberText(const MonitorTestRecord &record, std::int32_t number, QChar decimalSeparator)
{
    return record.scaling ? ScaledText(*record.scaling, number, decimalSeparator) : QString::number(number);
}

MonitorTestTexts TextsOf(const MonitorTestRecord &record, QChar decimalSeparator)
{
    MonitorTestTexts texts;
    if (record.scaling) {
        texts.monitor = MonitorName(record.monitor);
        texts.test = TestName(record.monitor, record.test);
        texts.unit = UnitText(*record.scaling);
    } else {
        texts.monitor = LoadMessage(SComponentNumber).arg(HexByte(record.component.value_or(0)));
        texts.test = TestNumber(record.test);
        texts.unit = LoadMessage(SRawValues);
    }
    texts.value = NumberText(record, record.value, decimalSeparator);
    if (record.minimum)
        texts.minimum = NumberText(record, *record.minimum, decimalSeparator);
    if (record.maximum)
        texts.maximum = NumberText(record, *record.maximum, decimalSeparator);
    texts.result = LoadMessage(record.passed() ? SMonTestPassed : SMonTestOutOfRange);
    return texts;
}
