// Compiled into every program that links the back end. Its QML types are registered
// by a static object in the generated registration file, which the linker leaves out
// of a static library unless something refers to it; "used" keeps this reference
// even where the compiler would drop an unused static (clang does).
void qml_register_types_Quorvik_Backend();
[[gnu::used]] static void (*const quorvikBackendRegistration)() = &qml_register_types_Quorvik_Backend;
