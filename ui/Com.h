#pragma once

// The little of COM the program's own objects use: result codes, interface ids, variants and
// the IDispatch interface that pages reach as window.external.

#include <cstdint>
#include <string>

#include "ui/WinDef.h"

using HRESULT = std::int32_t;
using DISPID = LONG;
using LCID = DWORD;
using ULONG = std::uint32_t;
using VARTYPE = std::uint16_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001);
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);
constexpr HRESULT DISP_E_UNKNOWNNAME = static_cast<HRESULT>(0x80020006);
constexpr DISPID DISPID_UNKNOWN = -1;
constexpr WORD DISPATCH_METHOD = 0x1;
constexpr WORD DISPATCH_PROPERTYGET = 0x2;
constexpr WORD DISPATCH_PROPERTYPUT = 0x4;
constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_BSTR = 8;

struct GUID {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
    friend bool operator==(const GUID&, const GUID&) = default;
};
using IID = GUID;

constexpr IID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID IID_NULL{0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

// A variant holding nothing or a string; the string is the caller's once it has it.
struct VARIANT {
    VARTYPE vt = VT_EMPTY;
    std::u16string bstrVal;
};

inline void VariantInit(VARIANT* v) {
    *v = VARIANT{};
}

struct DISPPARAMS;
struct EXCEPINFO;
struct ITypeInfo;

struct IUnknown {
    virtual HRESULT QueryInterface(const IID& iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

  protected:
    ~IUnknown() = default;
};

struct IDispatch : IUnknown {
    virtual HRESULT GetTypeInfoCount(UINT* count) = 0;
    virtual HRESULT GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) = 0;
    virtual HRESULT GetIDsOfNames(const IID& iid, const char16_t* const* names, UINT count,
                                  LCID locale, DISPID* ids) = 0;
    virtual HRESULT Invoke(DISPID id, const IID& iid, LCID locale, WORD flags, DISPPARAMS* params,
                           VARIANT* result, EXCEPINFO* exception, UINT* arg_error) = 0;

  protected:
    ~IDispatch() = default;
};
