// What a screen reader is told after OK at the main window, which converts
// and stays open: the output box's label and new text ("Output 11111111"),
// then the message box's text when it holds one. The focus stays where it
// is, so without this a screen reader says nothing of the result.
//
// Where Windows has UI Automation notifications (Windows 10 1709 and
// later), each text is raised as one, from the box it comes from. Elsewhere
// (Windows 7, 8 and 8.1, and Wine, whose UI Automation lacks them) the two
// boxes are made polite live regions (a Dynamic Annotation of the box) and
// each change is raised as a live-region change, for the screen reader to
// read the box itself; Windows 7 knows no live regions and ignores it.
// Never both: a screen reader that follows both would read the result twice.
//
// Every function of UI Automation and COM this needs is looked up at run
// time, so that the program imports nothing a Windows 7 lacks and loads
// none of those libraries until the first OK.
#pragma once

#include <windows.h>
#include <oleacc.h>

namespace radixel::platform {

// UiaHostProviderFromHwnd and UiaRaiseNotificationEvent. The element
// provider (an IRawElementProviderSimple) is passed as the IUnknown it
// derives from: the announcement only hands it on and releases it.
struct UiaNotifications {
  using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
  using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int kind, int processing,
                                                  BSTR text, BSTR activityId);
  HostProviderFromHwnd hostProvider = nullptr;
  RaiseNotificationEvent raise = nullptr;

  // The system's own, or none (both null) where uiautomationcore.dll lacks
  // the notification.
  static UiaNotifications FromSystem();
};

class PressAnnouncement {
 public:
  // `uia` with both functions set raises notifications; otherwise live
  // region changes.
  explicit PressAnnouncement(const UiaNotifications& uia);
  ~PressAnnouncement();
  PressAnnouncement(const PressAnnouncement&) = delete;
  PressAnnouncement& operator=(const PressAnnouncement&) = delete;

  // After OK's data exchange at `dialog`; a dialog without the two boxes
  // (a box whose OK closes it) is left alone.
  void Announce(HWND dialog);
  // When `dialog` is being destroyed: its boxes' live-region marks go.
  void Forget(HWND dialog);

 private:
  void Notify(HWND box, const wchar_t* text, int processing, const wchar_t* activityId);
  void StartCom();
  void MarkLiveRegions(HWND output, HWND message);

  UiaNotifications uia_;
  // oleaut32's BSTR functions, found with the notifications.
  BSTR(WINAPI* allocString_)(const OLECHAR*, UINT) = nullptr;
  void(WINAPI* freeString_)(BSTR) = nullptr;
  // COM as this thread's apartment (from the first press on), and, for
  // live regions, the annotation service that marks a box as one.
  HMODULE ole32_ = nullptr;
  bool comStarted_ = false;
  IAccPropServices* annotations_ = nullptr;
};

}  // namespace radixel::platform
