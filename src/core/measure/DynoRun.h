#pragma once

#include "core/measure/DynoParameters.h"

#include <cstdint>

// The arithmetic of a dyno run: the constants derived from the vehicle once per run, the rising
// engine-speed profile and the torque and power of each pair of samples.

struct DynoCoefficients {
    double rd = 0; // dynamic wheel radius, m
    double rollTorque = 0; // rolling-resistance torque at the engine, Nm
    double aeroTorque = 0; // air-drag torque at the engine per (km/h)², Nm
    double inertiaTorque = 0; // inertia torque at the engine per km/h gained per second, Nm
    double speedPerRpm = 0; // road speed per engine rev/min, km/h

    static DynoCoefficients of(const DynoParameters &p);
};

// The engine speed the profile gives at phase t, rev/min: trunc((atan(t) + 1.57) x 2500 - 500).
int DynoProfileSpeed(double t);

// What one sample produced.
struct DynoSample {
    int n = 0; // engine speed of this sample, rev/min
    bool computed = false; // torque and power were worked out (the speed rose, not the first sample)
    int nAvg = 0; // mean engine speed of the pair, rev/min
    int T = 0; // torque, Nm
    int P = 0; // power, kW
    bool rising = true; // the run goes on
};

// One run's samples. The caller reads the tick counter, waits the sample pause, then calls next()
// with the tick it read; the interval of the first sample runs from tick 0 and gives no output.
class DynoSampler {
public:
    explicit DynoSampler(const DynoCoefficients &coefficients) : m_k(coefficients) {}

    DynoSample next(std::uint32_t tick);

    int Tmax() const { return m_Tmax; }
    int nTmax() const { return m_nTmax; }
    int Pmax() const { return m_Pmax; }
    int nPmax() const { return m_nPmax; }

    // Engine speed from which the profile turns down.
    static constexpr int kTopSpeed = 5500;

private:
    DynoCoefficients m_k;
    double m_t = -1.0;
    int m_n = 0;
    std::uint32_t m_tick = 0;
    bool m_first = true;
    int m_T = 0;
    int m_P = 0;
    int m_Tmax = 0;
    int m_nTmax = 0;
    int m_Pmax = 0;
    int m_nPmax = 0;
};
