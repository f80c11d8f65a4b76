// The fixed frame of the QQ rich-edit document, around the parts a test writes out.
#pragma once

#include <string>

namespace cp::e2e {

inline std::string richDocument(const std::string& elements) {
    return "<QQRichEditFormat><Info version=\"1001\"></Info>" + elements + "</QQRichEditFormat>";
}

inline std::string imageElement(const std::string& path) {
    return "<EditElement type=\"1\" filepath=\"" + path + "\" shortcut=\"\"></EditElement>";
}

inline std::string textElement(const std::string& body) {
    return "<EditElement type=\"0\"><![CDATA[" + body + "]]></EditElement>";
}

}  // namespace cp::e2e
