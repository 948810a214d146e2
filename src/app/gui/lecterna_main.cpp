#include "app/gui/Application.h"

int main(int argc, char** argv) { return Lecterna::Application::run(argc, argv); }
