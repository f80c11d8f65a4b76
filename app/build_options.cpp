#include "app/build_options.h"

namespace cp {

const char kWindowCaption[] = "Quillmoor商品库专用软件QQ群号：" COUPONPASTE_SUPPORT_GROUP;
const char kContactCaption[] = "软件定制联系QQ" COUPONPASTE_CONTACT_NUMBER;
const char kTutorialPageAddress[] = COUPONPASTE_TUTORIAL_ADDRESS;

}  // namespace cp
