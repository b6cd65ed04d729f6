#include "core/report/ReportData.h"

#include "core/vehicle/VehicleLink.h"

void ReportData::setLink(const LinkIdentity &identity)
{
    InterfaceName = identity.interfaceName;
    ModuleAddress = identity.moduleAddress;
    Protocol = identity.protocol;
    ProtocolNote = identity.protocolNote;
}
