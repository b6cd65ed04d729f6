#include "core/platform/SystemSerialPorts.h"

#include "support/core/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The devices adapters appear as are listed even where the system does not report them, in the
// order a person counts them.
TEST(SystemSerialPortsTest, ListsTheDevicesAdaptersAppearAs)
{
    QTemporaryDir dev;
    for (const char *name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "rfcomm0", "ttyS0", "sda", "tty1"}) {
        QFile device(dev.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    }
    SystemSerialPorts ports(dev.path(), false);
    EXPECT_EQ(ports.names(), (QStringList{"rfcomm0", "ttyACM0", "ttyUSB2", "ttyUSB10"}));
}
