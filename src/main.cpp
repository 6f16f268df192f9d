// brelvo: the installer's window onto the devices of the local network.
#include "gui/app/application_app.h"

int main(int argc, char** argv) {
    brelvo::gui::CApplicationApp application;
    return application.InitInstance(argc, argv);
}
