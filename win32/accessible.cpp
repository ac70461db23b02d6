#include "accessible.hpp"

#include "system.hpp"

#include <oleacc.h>

namespace vornix::win32 {
namespace {

template <typename Function> Function call(const wchar_t* library, const char* name) {
    HMODULE module = system_library(library);
    return module == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

BSTR string_of(const std::wstring& text) {
    using Allocate = BSTR(WINAPI*)(const OLECHAR*, UINT);
    static const auto allocate = call<Allocate>(L"oleaut32.dll", "SysAllocStringLen");
    return allocate == nullptr ? nullptr : allocate(text.data(), static_cast<UINT>(text.size()));
}

bool is_self(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// Forwards every call to the standard object but the name and the description.
class NamedAccessible final : public IAccessible {
  public:
    NamedAccessible(IAccessible* inner, HWND control, std::wstring name, std::wstring description,
                    long role, bool pressable)
        : inner_(inner), control_(control), name_(std::move(name)),
          description_(std::move(description)), role_(role), pressable_(pressable) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --references_;
        if (left == 0) {
            inner_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return spoken(child, name_, name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return spoken(child, description_, description, &IAccessible::get_accDescription);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return inner_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return inner_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return inner_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* error,
                                     UINT* argument) override {
        return inner_->Invoke(member, id, locale, flags, parameters, result, error, argument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return inner_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return inner_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return inner_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return inner_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!is_self(child) || role_ == 0) {
            return inner_->get_accRole(child, role);
        }
        role->vt = VT_I4;
        role->lVal = role_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return inner_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return inner_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return inner_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return inner_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return inner_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return inner_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return inner_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return inner_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return inner_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return inner_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return inner_->accHitTest(left, top, child);
    }
    // Posted, as the system's own buttons do, so that the screen reader is not kept waiting.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!pressable_ || !is_self(child)) {
            return inner_->accDoDefaultAction(child);
        }
        if (!IsWindowEnabled(control_)) {
            return E_FAIL;
        }
        return PostMessageW(control_, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return inner_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return inner_->put_accValue(child, value);
    }

  private:
    ~NamedAccessible() = default;

    using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    HRESULT spoken(const VARIANT& child, const std::wstring& ours, BSTR* text, Getter standard) {
        if (!is_self(child) || ours.empty()) {
            return (inner_->*standard)(child, text);
        }
        *text = string_of(ours);
        return *text == nullptr ? E_OUTOFMEMORY : S_OK;
    }

    IAccessible* inner_;
    HWND control_;
    std::wstring name_;
    std::wstring description_;
    long role_;
    bool pressable_;
    long references_ = 1;
};

} // namespace

LRESULT accessible_object(HWND control, WPARAM wparam, const std::wstring& name,
                          const std::wstring& description, long role, bool pressable) {
    using CreateStandard = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    using FromObject = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    static const auto create_standard =
        call<CreateStandard>(L"oleacc.dll", "CreateStdAccessibleObject");
    static const auto from_object = call<FromObject>(L"oleacc.dll", "LresultFromObject");
    start_com();
    IAccessible* standard = nullptr;
    if (create_standard == nullptr || from_object == nullptr ||
        FAILED(create_standard(control, OBJID_CLIENT, __uuidof(IAccessible),
                               reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* named = new NamedAccessible(standard, control, name, description, role, pressable);
    const LRESULT result = from_object(__uuidof(IAccessible), wparam, named);
    named->Release();
    return result;
}

void mark_live_region(HWND control) {
    // UI Automation's LiveSetting property; 1 is Polite.
    static constexpr GUID kLiveSetting{
        0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
    // MinGW's headers declare these without defining them.
    static constexpr CLSID kAccPropServices{
        0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
    static constexpr IID kIAccPropServices{
        0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
    using Create = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, void**);
    static const auto create = call<Create>(L"ole32.dll", "CoCreateInstance");
    start_com();
    IAccPropServices* services = nullptr;
    if (create == nullptr ||
        FAILED(create(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                      reinterpret_cast<void**>(&services)))) {
        return;
    }
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = 1;
    services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSetting,
                          polite);
    services->Release();
}

} // namespace vornix::win32
