#include "browser/CImpIDispatch.h"

#include <string_view>

#include "ui/TextEncoding.h"

namespace {

constexpr std::u16string_view kMemberPrefix = u"xxy";
constexpr std::u16string_view kValue = u"Wibble";

// Full-width forms of ASCII (U+FF01–U+FF5E) and the ideographic space compare as their
// half-width forms.
char16_t IgnoringWidth(char16_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) {
        return static_cast<char16_t>(c - 0xFEE0);
    }
    return c == 0x3000 ? u' ' : c;
}

bool BeginsWithPrefix(const char16_t* name) {
    for (std::size_t i = 0; i < kMemberPrefix.size(); ++i) {
        if (name[i] == 0 || IgnoringWidth(name[i]) != kMemberPrefix[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

HRESULT CImpIDispatch::QueryInterface(const IID& iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (iid == IID_IDispatch || iid == IID_IUnknown) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

HRESULT CImpIDispatch::GetIDsOfNames(const IID&, const char16_t* const* names, UINT count, LCID,
                                     DISPID* ids) {
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        if (names[i] != nullptr && BeginsWithPrefix(names[i])) {
            ids[i] = kDispId;
        } else {
            ids[i] = DISPID_UNKNOWN;
            result = DISP_E_UNKNOWNNAME;
        }
    }
    return result;
}

HRESULT CImpIDispatch::Invoke(DISPID id, const IID&, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                              EXCEPINFO*, UINT*) {
    if (id == kDispId && (flags & DISPATCH_PROPERTYGET) != 0 && result != nullptr) {
        VariantInit(result);
        result->vt = VT_BSTR;
        result->bstrVal = kValue;
    }
    return S_OK;
}

std::string CImpIDispatch::PageScript() {
    // A name that cannot be found makes the reading script fail, as an unknown member of a
    // host object does.
    return R"JS((function () {
  var prefix = ')JS" +
           ui::ToUtf8(kMemberPrefix) + R"JS(';
  var value = ')JS" +
           ui::ToUtf8(kValue) + R"JS(';
  function halfWidth(c) {
    var code = c.charCodeAt(0);
    if (code >= 0xFF01 && code <= 0xFF5E) return String.fromCharCode(code - 0xFEE0);
    return code === 0x3000 ? ' ' : c;
  }
  function known(name) {
    if (typeof name !== 'string' || name.length < prefix.length) return false;
    for (var i = 0; i < prefix.length; i++) {
      if (halfWidth(name[i]) !== prefix[i]) return false;
    }
    return true;
  }
  var external = new Proxy({}, {
    get: function (target, name) {
      if (typeof name !== 'string') return undefined;
      if (known(name)) return value;
      throw new TypeError("Object doesn't support property or method '" + name + "'");
    },
    has: function (target, name) { return known(name); }
  });
  try {
    Object.defineProperty(window, 'external', {value: external, configurable: false});
  } catch (e) {}
})();)JS";
}
