// A library planted in the program's own folder: the program must never load it.
extern "C" __declspec(dllexport) int PlantedMarker() { return 42; }
