#include "systems/qt/lib/announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace radixel::platform::qt {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// One notification: its name is the text it tells; it has no place on the
// screen and no children, and its parent is the window it speaks for.
class NoticeAccessible final : public QAccessibleObject {
 public:
  NoticeAccessible(QObject* notice, QWidget* window) : QAccessibleObject(notice), window_(window) {}

  void SetText(const QString& text) { text_ = text; }

  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(window_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? text_ : QString(); }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }

 private:
  QWidget* window_;
  QString text_;
};

}  // namespace
#endif

Announcer::Announcer(QWidget* window) : window_(window) {}

void Announcer::Announce(const QStringList& texts) {
  told_ = texts;
  ++timesTold_;
  if (!QAccessible::isActive()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  for (const QString& text : texts) {
    QAccessibleAnnouncementEvent event(window_, text);
    QAccessible::updateAccessibility(&event);
  }
#else
  // A screen reader drops a notification's show when the same object shows
  // again before it got to it, so each text of the row has its own object.
  for (qsizetype i = 0; i < texts.size(); ++i) {
    if (i == notices_.size()) {
      auto* notice = new QObject(window_);
      notice->setObjectName(QStringLiteral("notice%1").arg(i + 1));
      QAccessible::registerAccessibleInterface(new NoticeAccessible(notice, window_));
      notices_.append(notice);
    }
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(notices_[i]);
    static_cast<NoticeAccessible*>(iface)->SetText(texts[i]);
    QAccessibleEvent named(iface, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(iface, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
  }
#endif
}

}  // namespace radixel::platform::qt
