// CouponPaste.exe: composes QQ messages for coupon products and puts them on the clipboard.
#include <windows.h>

#include "app/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    cp::Application application(instance);
    return application.run();
}
