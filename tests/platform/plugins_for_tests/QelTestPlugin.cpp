// A library for the binding tests only: two entries with known answers.
extern "C" __attribute__((visibility("default"))) int QelTestAnswer() { return 42; }
extern "C" __attribute__((visibility("default"))) int QelTestOther() { return 7; }
