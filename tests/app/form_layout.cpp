#include "form_layout.h"

#include <iterator>
#include <stdexcept>

namespace cp {
namespace e2e {
namespace {

using C = ControlId;

const ControlPlace kForm[] = {
    {C::分组框1, u8"分组框1", Kind::groupBox, {}, 16, 8, 304, 320, "粘贴图片"},
    {C::图片框1, u8"图片框1", Kind::pictureBox, C::分组框1, 8, 16, 288, 248, nullptr},
    {C::按钮3, u8"按钮3", Kind::button, C::分组框1, 8, 272, 280, 40, "截图后点我粘贴图片"},
    {C::分组框2, u8"分组框2", Kind::groupBox, {}, 328, 8, 560, 320, "文本格式"},
    {C::标签1, u8"标签1", Kind::label, C::分组框2, 16, 24, 56, 24, "商品标题："},
    {C::编辑框1, u8"编辑框1", Kind::editBox, C::分组框2, 80, 24, 464, 24, ""},
    {C::标签2, u8"标签2", Kind::label, C::分组框2, 16, 56, 56, 24, "商品原价："},
    {C::编辑框2, u8"编辑框2", Kind::editBox, C::分组框2, 80, 56, 192, 24, ""},
    {C::标签3, u8"标签3", Kind::label, C::分组框2, 288, 56, 56, 24, "券后价格："},
    {C::编辑框3, u8"编辑框3", Kind::editBox, C::分组框2, 360, 56, 184, 24, ""},
    {C::标签4, u8"标签4", Kind::label, C::分组框2, 16, 88, 56, 24, "优惠券："},
    {C::编辑框4, u8"编辑框4", Kind::editBox, C::分组框2, 80, 88, 464, 24, ""},
    {C::标签5, u8"标签5", Kind::label, C::分组框2, 16, 120, 56, 24, "下单链接："},
    {C::编辑框5, u8"编辑框5", Kind::editBox, C::分组框2, 80, 120, 464, 24, ""},
    {C::标签6, u8"标签6", Kind::label, C::分组框2, 16, 152, 64, 24, "二合一链接："},
    {C::编辑框6, u8"编辑框6", Kind::editBox, C::分组框2, 80, 152, 464, 24, ""},
    {C::标签7, u8"标签7", Kind::label, C::分组框2, 16, 184, 56, 24, "文案："},
    {C::编辑框7, u8"编辑框7", Kind::editBox, C::分组框2, 80, 184, 464, 56, ""},
    {C::标签8, u8"标签8", Kind::label, C::分组框2, 80, 248, 464, 16, "提示："},
    {C::按钮1, u8"按钮1", Kind::button, C::分组框2, 80, 272, 232, 40,
     "点我生成（生成后直接粘贴到QQ发消息）"},
    {C::按钮2, u8"按钮2", Kind::button, C::分组框2, 312, 272, 232, 40, "清空填写的消息"},
    {C::分组框3, u8"分组框3", Kind::groupBox, {}, 16, 328, 872, 240, "生成格式"},
    {C::编辑框9, u8"编辑框9", Kind::editBox, C::分组框3, 16, 24, 840, 200, ""},
    {C::标签9, u8"标签9", Kind::label, C::分组框3, 608, kTopChosenByTool, 96, 16,
     "点我打开使用教程"},
    {C::标签10, u8"标签10", Kind::label, C::分组框3, 712, kTopChosenByTool, 144, 16,
     "软件定制联系QQ"},
};

}  // namespace

const ControlPlace* formBegin() {
    return std::begin(kForm);
}
const ControlPlace* formEnd() {
    return std::end(kForm);
}

const ControlPlace& placeOf(ControlId id) {
    for (const ControlPlace& place : kForm) {
        if (place.id == id) return place;
    }
    throw std::invalid_argument("not a control of the form");
}

}  // namespace e2e

std::ostream& operator<<(std::ostream& out, ControlId id) {
    for (const e2e::ControlPlace* place = e2e::formBegin(); place != e2e::formEnd(); ++place) {
        if (place->id == id) return out << place->name;
    }
    return out << "control " << static_cast<int>(id);
}

}  // namespace cp
