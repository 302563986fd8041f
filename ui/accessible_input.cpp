// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_input.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QVariant>

namespace cnc::ui {
namespace {

// Dynamic properties: the widgets this file's factory answers for, and the
// inputs whose entry cannot be used.
constexpr char kInputProperty[] = "cncAccessibleInput";
constexpr char kInvalidProperty[] = "cncInvalidEntry";

class LineEditInput : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
public:
    explicit LineEditInput(QLineEdit* input) : QAccessibleWidget(input, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Value ? input()->text() : QAccessibleWidget::text(which);
    }
    // Setting the value is typing it all: the line edit says textChanged.
    void setText(QAccessible::Text which, const QString& text) override {
        if (which == QAccessible::Value) {
            input()->setText(text);
        } else {
            QAccessibleWidget::setText(which, text);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = input()->isReadOnly();
        state.editable = !input()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // The text interface. Offsets are QString indexes, as Qt's own are.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !input()->hasSelectedText()) return;
        *start = input()->selectionStart();
        *end = input()->selectionEnd();
    }
    int selectionCount() const override { return input()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) input()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) input()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return input()->cursorPosition(); }
    void setCursorPosition(int position) override { input()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return start > end ? QString() : input()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(input()->text().size()); }
    // Measured from the cursor, the one place whose position the line edit
    // tells, so that its scrolling and margins count.
    QRect characterRect(int offset) const override {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty()) return {};
        const QFontMetrics metrics = input()->fontMetrics();
        const QString all = input()->text();
        const QRect cursor = input()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = cursor.x() + metrics.horizontalAdvance(all.left(offset)) -
                      metrics.horizontalAdvance(all.left(cursorPosition()));
        const QRect local(x, cursor.y(), metrics.horizontalAdvance(character), metrics.height());
        return local.translated(input()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return input()->cursorPositionAt(input()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        input()->setCursorPosition(end);
        input()->setCursorPosition(start);
    }
    // One run over the whole text: "invalid:true" while marked, else none.
    QString attributes(int offset, int* start, int* end) const override {
        if (!input()->property(kInvalidProperty).toBool()) {
            *start = *end = offset;
            return {};
        }
        *start = 0;
        *end = characterCount();
        return QStringLiteral("invalid:true;");
    }

    // The editable text interface: each edit sets the whole text.
    void deleteText(int start, int end) override {
        input()->setText(input()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString& text) override {
        input()->setText(input()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString& text) override {
        input()->setText(input()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* input() const { return static_cast<QLineEdit*>(widget()); }
};

// Only ever made for a drop-down that cannot be typed into.
class ComboBoxInput : public QAccessibleWidget {
public:
    explicit ComboBoxInput(QComboBox* input) : QAccessibleWidget(input, QAccessible::ComboBox) {}

    // The list of choices, as Qt's own interface gives it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(input()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == input()->view() ? 0 : -1;
    }

    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Value ? input()->currentText()
                                           : QAccessibleWidget::text(which);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = input()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (input()->view()->isVisible()) {
            input()->hidePopup();
        } else {
            input()->showPopup();
        }
    }

private:
    QComboBox* input() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* inputInterface(const QString& /*className*/, QObject* object) {
    if (!object || !object->property(kInputProperty).toBool()) return nullptr;
    if (auto* edit = qobject_cast<QLineEdit*>(object)) return new LineEditInput(edit);
    if (auto* combo = qobject_cast<QComboBox*>(object)) return new ComboBoxInput(combo);
    return nullptr;
}

// The factory is installed with the first input: Qt asks it, before its own,
// for every object that has no interface yet.
void flag(QWidget* input) {
    static const bool installed = [] {
        QAccessible::installFactory(&inputInterface);
        return true;
    }();
    Q_UNUSED(installed);
    input->setProperty(kInputProperty, true);
}

}  // namespace

QLineEdit* accessibleInput(QLineEdit* input) {
    flag(input);
    return input;
}

QComboBox* accessibleInput(QComboBox* input) {
    flag(input);
    return input;
}

void showInputError(QWidget* input, const QString& error, const QString& description) {
    // Marked first, so that a screen reader that reads the new description
    // finds the text invalid too.
    input->setProperty(kInvalidProperty, !error.isEmpty());
    const QString shown = error.isEmpty() ? description : error + QLatin1Char('\n') + description;
    if (input->accessibleDescription() != shown) input->setAccessibleDescription(shown);
}

}  // namespace cnc::ui
