#include <windows.h>

#include "app/vesm_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    vesm::CvesmApp app;
    if (!app.InitInstance()) {
        return 0;
    }
    return app.Run();
}
