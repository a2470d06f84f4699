// One COM class: an IAccessible that forwards every call to the control's standard object
// except the name, the keyboard shortcut and, for the panel and the indicators, the value.
#include "shell/accessible_control.h"

#include <oleacc.h>

#include <new>
#include <string>

#include "controls/spoken_names.h"
#include "shell/shell_state.h"

namespace {

constexpr int ControlTextBufferSize = 512;

DecString ControlText(HWND control) {
    char text[ControlTextBufferSize] = {};
    GetWindowTextA(control, text, sizeof(text));
    return DecString(text);
}

// A new BSTR of the spoken text (UTF-8: words, and numbers brought over from the code page).
HRESULT ToBstr(const DecString& text, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.Text(), text.Length(), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.Text(), text.Length(), wide.data(), length);
    *out = SysAllocStringLen(wide.data(), static_cast<UINT>(length));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

class ControlAccessible final : public IAccessible {
   public:
    ControlAccessible(IAccessible* standard, HWND control, int32_t row)
        : standard_(standard), control_(control), row_(row) {}
    ControlAccessible(const ControlAccessible&) = delete;
    ControlAccessible& operator=(const ControlAccessible&) = delete;

    // IUnknown. The window and child enumeration interfaces come from the standard object;
    // marshalling and every other interface are asked of this object only.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        if (id == IID_IOleWindow || id == IID_IEnumVARIANT) {
            return standard_->QueryInterface(id, out);
        }
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception,
                                 argumentError);
    }

    // IAccessible: the three answers of our own.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return standard_->get_accName(child, name);
        return ToBstr(SpokenName(row_, ControlText(control_)), name);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        if (!IsSelf(child)) return standard_->get_accKeyboardShortcut(child, shortcut);
        const DecString key = SpokenShortcut(row_, Shell.Controls[row_]);
        if (key.Empty()) return standard_->get_accKeyboardShortcut(child, shortcut);
        return ToBstr(key, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child) || !HasSpokenValue(row_)) return standard_->get_accValue(child, value);
        return ToBstr(SpokenValue(row_, ControlText(control_)), value);
    }

    // IAccessible: everything else is the standard object's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

   private:
    ~ControlAccessible() = default;

    LONG references_ = 1;
    IAccessible* standard_;
    HWND control_;
    int32_t row_;
};

// The object is handed to other processes through COM, which this thread joins once.
void JoinCom() {
    static bool joined = false;
    if (joined) return;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    joined = true;
}

}  // namespace

bool AnswerGetObject(HWND control, int32_t row, WPARAM wParam, LPARAM lParam, LRESULT& answer) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return false;
    JoinCom();
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&standard)))) {
        return false;
    }
    auto* object = new (std::nothrow) ControlAccessible(standard, control, row);
    if (object == nullptr) {
        standard->Release();
        return false;
    }
    answer = LresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(object));
    object->Release();
    return true;
}
