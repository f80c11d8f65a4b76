#include "app/control_table.h"

#include "app/build_options.h"

namespace cp {
namespace {

// The captions below are UTF-8 in the source and must reach the window as GBK bytes; a
// compiler that does not convert them (-fexec-charset=GBK) would show mojibake.
static_assert(sizeof("提示") == 5 && "提示"[0] == '\xCC' && "提示"[1] == '\xE1',
              "the window's captions must be compiled to GBK");

using K = ControlKind;
using Id = ControlId;

// The two link labels sit in the band between the read-out box group's frame line and the
// read-out box (which starts at 24), at the right where the group's caption does not reach.
constexpr int kLinkLabelTop = 8;

// clang-format off
constexpr std::array<ControlSpec, kControlCount> kControls = {{
    // id          kind          parent       left  top  width height caption                        extras
    {Id::分组框1,  K::groupBox,   kTheWindow,   16,   8,  304,  320, "粘贴图片",                         kNoExtras},
    {Id::图片框1,  K::pictureBox, Id::分组框1,    8,  16,  288,  248, "",                                kNoExtras},
    {Id::按钮3,    K::button,     Id::分组框1,    8, 272,  280,   40, "截图后点我粘贴图片",               kNoExtras},
    {Id::分组框2,  K::groupBox,   kTheWindow,  328,   8,  560,  320, "文本格式",                         kNoExtras},
    {Id::标签1,    K::label,      Id::分组框2,   16,  24,   56,   24, "商品标题：",                       kNoExtras},
    {Id::编辑框1,  K::editBox,    Id::分组框2,   80,  24,  464,   24, "",                                kNoExtras},
    {Id::标签2,    K::label,      Id::分组框2,   16,  56,   56,   24, "商品原价：",                       kNoExtras},
    {Id::编辑框2,  K::editBox,    Id::分组框2,   80,  56,  192,   24, "",                                kNoExtras},
    {Id::标签3,    K::label,      Id::分组框2,  288,  56,   56,   24, "券后价格：",                       kNoExtras},
    {Id::编辑框3,  K::editBox,    Id::分组框2,  360,  56,  184,   24, "",                                kNoExtras},
    {Id::标签4,    K::label,      Id::分组框2,   16,  88,   56,   24, "优惠券：",                         kNoExtras},
    {Id::编辑框4,  K::editBox,    Id::分组框2,   80,  88,  464,   24, "",                                kNoExtras},
    {Id::标签5,    K::label,      Id::分组框2,   16, 120,   56,   24, "下单链接：",                       kNoExtras},
    {Id::编辑框5,  K::editBox,    Id::分组框2,   80, 120,  464,   24, "",                                kNoExtras},
    {Id::标签6,    K::label,      Id::分组框2,   16, 152,   64,   24, "二合一链接：",                     kOwnFont},
    {Id::编辑框6,  K::editBox,    Id::分组框2,   80, 152,  464,   24, "",                                kNoExtras},
    {Id::标签7,    K::label,      Id::分组框2,   16, 184,   56,   24, "文案：",                           kNoExtras},
    {Id::编辑框7,  K::editBox,    Id::分组框2,   80, 184,  464,   56, "",                                kMultiLine},
    {Id::标签8,    K::label,      Id::分组框2,   80, 248,  464,   16, "提示：",                           kNoExtras},
    {Id::按钮1,    K::button,     Id::分组框2,   80, 272,  232,   40, "点我生成（生成后直接粘贴到QQ发消息）", kNoExtras},
    {Id::按钮2,    K::button,     Id::分组框2,  312, 272,  232,   40, "清空填写的消息",                   kNoExtras},
    {Id::分组框3,  K::groupBox,   kTheWindow,   16, 328,  872,  240, "生成格式",                         kNoExtras},
    {Id::编辑框9,  K::editBox,    Id::分组框3,   16,  24,  840,  200, "",                                kMultiLine},
    {Id::标签9,    K::label,      Id::分组框3,  608, kLinkLabelTop, 96, 16, "点我打开使用教程",          kBlueText},
    {Id::标签10,   K::label,      Id::分组框3,  712, kLinkLabelTop, 144, 16, kContactCaption,            kLightBlueText},
}};
// clang-format on

// controlSpec() finds a row by its identifier's offset.
constexpr bool rowsFollowIdentifiers() {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (controlIndex(kControls[i].id) != i) return false;
    }
    return true;
}
static_assert(rowsFollowIdentifiers());

}  // namespace

const std::array<ControlSpec, kControlCount>& controlTable() {
    return kControls;
}

const ControlSpec& controlSpec(ControlId id) {
    return kControls[controlIndex(id)];
}

}  // namespace cp
