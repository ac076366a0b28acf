#pragma once
// The built-in tour: app/scenarios/tour.txt, compiled into the program.
namespace app {

const char* TourScript();

} // namespace app
