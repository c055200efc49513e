#include "systems/win32/lib/press_announcement.h"

#include <cwchar>
#include <vector>

#include "res/resource_ids.h"

namespace radixel::platform {

namespace {

// UI Automation's values, which MinGW's headers do not all declare.
constexpr int kActionCompleted = 2;            // NotificationKind_ActionCompleted
constexpr int kImportantAll = 0;               // NotificationProcessing_ImportantAll
constexpr int kImportantMostRecent = 1;        // NotificationProcessing_ImportantMostRecent
constexpr long kPolite = 1;                    // LiveSetting Polite
constexpr GUID kLiveSettingProperty = {        // LiveSetting_Property_GUID
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr GUID kAccPropServicesClass = {       // CLSID_AccPropServices
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {   // IID_IAccPropServices
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

// A library from the system directory, never one of the same name beside
// the program or in the current directory.
HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length + 1 + std::wcslen(name) >= MAX_PATH) return nullptr;
  path[length] = L'\\';
  std::wcscpy(path + length + 1, name);
  return LoadLibraryW(path);
}

template <typename Function>
Function Find(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // Through the generic function type, which GCC accepts a cast to and from.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// A control's text, NUL-terminated, after `prefix` (a label and a space)
// when given. A vector rather than std::wstring: the library's wide string
// would bring its exception formatting into the program, doubling its size.
std::vector<wchar_t> TextOf(HWND control, HWND prefix = nullptr) {
  const int labelLength = prefix ? GetWindowTextLengthW(prefix) : 0;
  const int length = GetWindowTextLengthW(control);
  std::vector<wchar_t> text(static_cast<std::size_t>(labelLength + 1 + length + 1), L'\0');
  int at = labelLength > 0 ? GetWindowTextW(prefix, text.data(), labelLength + 1) : 0;
  if (at > 0 && length > 0) text[static_cast<std::size_t>(at++)] = L' ';
  at += GetWindowTextW(control, text.data() + at, length + 1);
  text.resize(static_cast<std::size_t>(at) + 1);
  return text;
}

}  // namespace

UiaNotifications UiaNotifications::FromSystem() {
  HMODULE uia = LoadSystemLibrary(L"uiautomationcore.dll");
  UiaNotifications found;
  found.hostProvider = Find<HostProviderFromHwnd>(uia, "UiaHostProviderFromHwnd");
  found.raise = Find<RaiseNotificationEvent>(uia, "UiaRaiseNotificationEvent");
  if (found.hostProvider == nullptr || found.raise == nullptr) return {};
  return found;
}

PressAnnouncement::PressAnnouncement(const UiaNotifications& uia) : uia_(uia) {
  if (uia_.hostProvider == nullptr || uia_.raise == nullptr) {
    uia_ = {};
    return;
  }
  HMODULE oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
  allocString_ = Find<decltype(allocString_)>(oleaut32, "SysAllocStringLen");
  freeString_ = Find<decltype(freeString_)>(oleaut32, "SysFreeString");
  if (allocString_ == nullptr || freeString_ == nullptr) uia_ = {};
}

PressAnnouncement::~PressAnnouncement() {
  if (annotations_) annotations_->Release();
  if (comStarted_) Find<void(WINAPI*)()>(ole32_, "CoUninitialize")();
}

void PressAnnouncement::Announce(HWND dialog) {
  HWND output = GetDlgItem(dialog, IDC_OUTPUT);
  HWND message = GetDlgItem(dialog, IDC_ERRORS);
  if (output == nullptr || message == nullptr) return;
  const bool hasMessage = GetWindowTextLengthW(message) > 0;
  // Both ways hand COM objects to the system: the element's provider, or
  // the annotation service.
  StartCom();
  if (uia_.raise == nullptr) {
    MarkLiveRegions(output, message);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, output, OBJID_CLIENT, CHILDID_SELF);
    if (hasMessage) {
      NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, message, OBJID_CLIENT, CHILDID_SELF);
    }
    return;
  }
  // The output after the box's name as a screen reader gives it: the label
  // in front of it. A newer press's result replaces one still waiting to be
  // read; its message is read after it.
  Notify(output, TextOf(output, GetWindow(output, GW_HWNDPREV)).data(), kImportantMostRecent,
         L"Radixel.Output");
  if (hasMessage) Notify(message, TextOf(message).data(), kImportantAll, L"Radixel.Message");
}

void PressAnnouncement::Notify(HWND box, const wchar_t* text, int processing,
                               const wchar_t* activityId) {
  IUnknown* provider = nullptr;
  if (FAILED(uia_.hostProvider(box, &provider)) || provider == nullptr) return;
  BSTR display = allocString_(text, static_cast<UINT>(std::wcslen(text)));
  BSTR activity = allocString_(activityId, static_cast<UINT>(std::wcslen(activityId)));
  if (display && activity) uia_.raise(provider, kActionCompleted, processing, display, activity);
  freeString_(display);
  freeString_(activity);
  provider->Release();
}

void PressAnnouncement::StartCom() {
  if (ole32_ != nullptr) return;
  ole32_ = LoadSystemLibrary(L"ole32.dll");
  const auto start = Find<HRESULT(WINAPI*)(void*, DWORD)>(ole32_, "CoInitializeEx");
  // The dialog's thread runs a message loop: a single-threaded apartment.
  // S_FALSE (already started here) is balanced by CoUninitialize too; a
  // thread started multithreaded serves as well and is left alone.
  comStarted_ = start != nullptr && SUCCEEDED(start(nullptr, COINIT_APARTMENTTHREADED));
}

void PressAnnouncement::MarkLiveRegions(HWND output, HWND message) {
  if (annotations_ == nullptr) {
    const auto create =
        Find<HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**)>(ole32_, "CoCreateInstance");
    void* service = nullptr;
    if (create == nullptr || FAILED(create(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                           kAccPropServicesInterface, &service))) {
      return;
    }
    annotations_ = static_cast<IAccPropServices*>(service);
  }
  VARIANT polite = {};
  polite.vt = VT_I4;
  polite.lVal = kPolite;
  // Marking a box again replaces its mark with the same.
  for (HWND box : {output, message}) {
    annotations_->SetHwndProp(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              kLiveSettingProperty, polite);
  }
}

void PressAnnouncement::Forget(HWND dialog) {
  if (annotations_ == nullptr) return;
  const MSAAPROPID props[] = {kLiveSettingProperty};
  for (int id : {IDC_OUTPUT, IDC_ERRORS}) {
    if (HWND box = GetDlgItem(dialog, id)) {
      annotations_->ClearHwndProps(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, props, 1);
    }
  }
}

}  // namespace radixel::platform
