#pragma once

// Where a fault code was read. The simulated vehicle's codes are described by the description
// table alone, so that its screens and its report stay as they have always been; the codes of a
// real car, read through an adapter, are also described by the generic table and, in the ranges
// of the manufacturers, as manufacturer-specific.
enum class DtcOrigin { SimulatedVehicle, RealVehicle };
