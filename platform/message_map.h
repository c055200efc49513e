// Message maps: static per-class tables that bind window messages and
// control notifications to member handlers. A class's table names its base
// class's table, so a lookup walks from the most derived class upward.
//
// Each entry holds a small thunk that casts the target back to the class
// that declared the entry and calls the member with the right arguments,
// so no member pointer is ever called through the wrong type.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/route_cache.h"
#include "platform/win_types.h"

class CCmdTarget;

using AFX_THUNK = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // 0 ends the table
  UINT nCode;     // notification code, for WM_COMMAND
  UINT nID;       // first control or command id, for WM_COMMAND
  UINT nLastID;   // last id of the range
  AFX_THUNK pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// Base of every class that handles messages or commands.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;

  // Routes a command (menu item, button, notification) through this
  // object's message map; TRUE when a handler took it.
  virtual BOOL OnCmdMsg(UINT nID, UINT nCode);

  static const AFX_MSGMAP* GetThisMessageMap();

 protected:
  virtual const AFX_MSGMAP* GetMessageMap() const;
  // The first entry for a message other than WM_COMMAND, or null.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage) const;

 private:
  // The commands routed last (platform/route_cache.h).
  radixel::platform::RouteCache routes_;
  const AFX_MSGMAP_ENTRY* FindCommandEntry(UINT nID, UINT nCode) const;
};

namespace radixel::platform::detail {

template <typename T>
struct MemberOf;
template <typename C, typename R, typename... A>
struct MemberOf<R (C::*)(A...)> {
  using Class = C;
};

template <auto Fn>
using MemberClass = typename MemberOf<decltype(Fn)>::Class;

template <auto Fn>
LRESULT ThunkVoid(CCmdTarget& target, WPARAM, LPARAM) {
  (static_cast<MemberClass<Fn>&>(target).*Fn)();
  return 0;
}

template <auto Fn>
LRESULT ThunkSysCommand(CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
  (static_cast<MemberClass<Fn>&>(target).*Fn)(static_cast<UINT>(wParam), lParam);
  return 0;
}

template <auto Fn>
LRESULT ThunkQueryDragIcon(CCmdTarget& target, WPARAM, LPARAM) {
  HCURSOR icon = (static_cast<MemberClass<Fn>&>(target).*Fn)();
  return reinterpret_cast<LRESULT>(icon);
}

}  // namespace radixel::platform::detail

#define DECLARE_MESSAGE_MAP()                           \
 public:                                                \
  static const AFX_MSGMAP* GetThisMessageMap();         \
                                                        \
 protected:                                             \
  const AFX_MSGMAP* GetMessageMap() const override;     \
                                                        \
 private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }   \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                   \
    using ThisClass [[maybe_unused]] = theClass;                                      \
    using TheBaseClass = baseClass;                                                   \
    static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                    \
  {0, 0, 0, 0, nullptr}                                                      \
  }                                                                          \
  ;                                                                          \
  static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }

#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), &::radixel::platform::detail::ThunkVoid<&ThisClass::memberFxn>},
#define ON_CONTROL(code, id, memberFxn) \
  {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), &::radixel::platform::detail::ThunkVoid<&ThisClass::memberFxn>},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_WM_SYSCOMMAND() \
  {WM_SYSCOMMAND, 0, 0, 0, &::radixel::platform::detail::ThunkSysCommand<&ThisClass::OnSysCommand>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, &::radixel::platform::detail::ThunkVoid<&ThisClass::OnPaint>},
#define ON_WM_QUERYDRAGICON() \
  {WM_QUERYDRAGICON, 0, 0, 0, &::radixel::platform::detail::ThunkQueryDragIcon<&ThisClass::OnQueryDragIcon>},
