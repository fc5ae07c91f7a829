// Starting the desktop's calculator, the one thing the converter asks of the system.
#ifndef SPOONWISE_PLATFORM_CALCULATOR_H
#define SPOONWISE_PLATFORM_CALCULATOR_H

namespace platform {

// Starts a calculator as a separate process, one more per call, never from the current
// folder; false when none could be started.
bool startCalculator();

} // namespace platform

#endif // SPOONWISE_PLATFORM_CALCULATOR_H
