// Compiled into every program that links the front end: keeps the module's generated
// registration in the link whichever compiler built it (see app/backendregistration.cpp).
void qml_register_types_Quorvik_Frontend();
[[gnu::used]] static void (*const quorvikFrontendRegistration)() = &qml_register_types_Quorvik_Frontend;
