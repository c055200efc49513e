// Tells a screen reader a text on a window's behalf without moving the
// focus or showing anything. From Qt 6.8 on that is Qt's announcement
// event. Before it, the texts go out as notifications: accessible objects
// of the Notification role, one for each place in a row of texts, named by
// their text and reported shown, which is what a screen reader speaks at
// once whatever has the focus. The objects exist for assistive technology
// alone; nothing is drawn for them.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace radixel::platform::qt {

class Announcer final {
 public:
  explicit Announcer(QWidget* window);
  Announcer(const Announcer&) = delete;
  Announcer& operator=(const Announcer&) = delete;

  // Tells `texts`, one after the other, where assistive technology is
  // listening (QAccessible::isActive).
  void Announce(const QStringList& texts);
  // The texts of the last announcement, listened to or not (for tests:
  // without a screen reader Qt delivers no accessibility events).
  const QStringList& LastTold() const { return told_; }
  int TimesTold() const { return timesTold_; }

 private:
  QWidget* window_;
  QStringList told_;
  int timesTold_ = 0;
  QList<QObject*> notices_;  // children of the window, made as needed
};

}  // namespace radixel::platform::qt
