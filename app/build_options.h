// Texts that the build fixes (CMake cache variables COUPONPASTE_SUPPORT_GROUP,
// COUPONPASTE_CONTACT_NUMBER and COUPONPASTE_TUTORIAL_ADDRESS), in GBK.
#pragma once

namespace cp {

// "Quillmoor商品库专用软件QQ群号：" followed by the support group number.
extern const char kWindowCaption[];
// "软件定制联系QQ" followed by the contact number.
extern const char kContactCaption[];
// The tutorial page that the blue label opens.
extern const char kTutorialPageAddress[];

}  // namespace cp
