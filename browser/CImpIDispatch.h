#pragma once

#include <string>

#include "ui/Com.h"

// The object every page reaches as window.external. Any member whose name begins with "xxy"
// (case matters; half- and full-width forms are the same) reads as "Wibble"; other names
// cannot be found. Its reference count never ends its life: the application owns it.
class CImpIDispatch final : public IDispatch {
  public:
    static constexpr DISPID kDispId = 12345;

    HRESULT QueryInterface(const IID& iid, void** object) override;
    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override { return --refs_; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(const IID& iid, const char16_t* const* names, UINT count, LCID locale,
                          DISPID* ids) override;
    HRESULT Invoke(DISPID id, const IID& iid, LCID locale, WORD flags, DISPPARAMS* params,
                   VARIANT* result, EXCEPINFO* exception, UINT* arg_error) override;

    // The same object on the page's side: a script, run before a page's own, that defines
    // window.external with these rules.
    static std::string PageScript();

  private:
    ULONG refs_ = 0;
};
