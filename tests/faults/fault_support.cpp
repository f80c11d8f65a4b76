#include "tests/faults/fault_support.h"

#include "tests/app/desktop.h"

namespace cp::e2e {
namespace {

// Long enough for a generate with megabytes of text in the read-out box.
constexpr UINT kActionPatienceMs = 120000;

bool startsWithAt(const std::string& text, size_t at, const std::string& part) {
    return text.compare(at, part.size(), part) == 0;
}

// One image element at `at`; moves `at` behind it.
bool readImageElement(const std::string& document, size_t& at, ReadDocument& read) {
    const std::string open = "<EditElement type=\"1\" filepath=\"";
    const std::string rest = "\" shortcut=\"\"></EditElement>";
    if (!startsWithAt(document, at, open)) return false;
    const size_t pathStart = at + open.size();
    const size_t pathEnd = document.find('"', pathStart);
    if (pathEnd == std::string::npos || !startsWithAt(document, pathEnd, rest)) return false;
    read.imagePath = document.substr(pathStart, pathEnd - pathStart);
    ++read.imageElements;
    at = pathEnd + rest.size();
    return true;
}

// One text element at `at`, its CDATA sections joined into the body; moves `at` behind it.
bool readTextElement(const std::string& document, size_t& at, ReadDocument& read) {
    const std::string open = "<EditElement type=\"0\">";
    const std::string cdataOpen = "<![CDATA[";
    const std::string cdataClose = "]]>";
    const std::string close = "</EditElement>";
    if (!startsWithAt(document, at, open)) return false;
    at += open.size();
    do {
        if (!startsWithAt(document, at, cdataOpen)) return false;
        const size_t contentStart = at + cdataOpen.size();
        const size_t contentEnd = document.find(cdataClose, contentStart);
        if (contentEnd == std::string::npos) return false;
        read.body += document.substr(contentStart, contentEnd - contentStart);
        at = contentEnd + cdataClose.size();
    } while (!startsWithAt(document, at, close));
    at += close.size();
    ++read.textElements;
    return true;
}

}  // namespace

bool pressAndWait(const ToolSession& tool, ControlId button) {
    return pressAndWait(tool.control(button));
}

bool pressAndWait(HWND button) {
    DWORD_PTR ignored = 0;
    return button && SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, kActionPatienceMs,
                                         &ignored) != 0;
}

FormTexts readForm(const ToolSession& tool) {
    return {tool.text(ControlId::编辑框1), tool.text(ControlId::编辑框2),
            tool.text(ControlId::编辑框3), tool.text(ControlId::编辑框4),
            tool.text(ControlId::编辑框5), tool.text(ControlId::编辑框6),
            tool.text(ControlId::编辑框7)};
}

std::string bodyWithoutSeparateLinks(const FormTexts& form) {
    std::string body;
    if (!form.title.empty()) body += "\r\n" + form.title;
    if (!form.originalPrice.empty()) body += "\r\n原价" + form.originalPrice + "元";
    if (!form.couponPrice.empty()) body += "   券后" + form.couponPrice + "元";
    if (form.couponLink.empty() && form.orderLink.empty() && !form.comboLink.empty()) {
        body += "\r\n优惠券下单链接：" + form.comboLink;
    }
    if (!form.copyText.empty()) {
        body += "\r\n------------------------------------\r\n" + form.copyText;
    }
    return body;
}

ReadDocument readRichDocument(const std::string& document) {
    const std::string header = "<QQRichEditFormat><Info version=\"1001\"></Info>";
    const std::string closing = "</QQRichEditFormat>";
    ReadDocument read;
    if (document.size() < header.size() + closing.size() || !startsWithAt(document, 0, header) ||
        !startsWithAt(document, document.size() - closing.size(), closing)) {
        return read;
    }
    const size_t end = document.size() - closing.size();
    size_t at = header.size();
    while (at < end) {
        if (!readImageElement(document, at, read) && !readTextElement(document, at, read)) {
            return read;
        }
    }
    read.wellFormed = at == end;
    return read;
}

bool pictureBoxIsBlank(const ToolSession& tool) {
    return showsOnly(captureScreen(tool.screenRect(ControlId::图片框1)), faceColour());
}

}  // namespace cp::e2e
