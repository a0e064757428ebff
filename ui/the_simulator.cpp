#include "ui/the_simulator.h"

namespace kestavel::ui {

SpeedSimulator theSimulator;

}  // namespace kestavel::ui
