// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the modal dialogs a window opens (message boxes, file dialogs) as a player would:
// each new modal dialog gets the next answer of the queue, in order, and what the message
// boxes said is recorded.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

class ModalAnswers : public QObject {
  public:
    struct Box {
        QString title;
        QString text;
        QRect frame;   // where the box stood on the screen
        QString font;  // the family of the box's font
    };

    ModalAnswers() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    // The next message box is answered with `button`; with `when`, only once `when()` holds
    // (the box stays open meanwhile, as a player who answers late leaves it).
    void box(QMessageBox::StandardButton button, std::function<bool()> when = {}) {
        whens_.push_back(std::move(when));
        answers_.push_back([this, button](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box) return false;
            boxes.append(
                {box->windowTitle(), box->text(), box->frameGeometry(), box->font().family()});
            box->button(button)->click();
            return true;
        });
    }
    // The next file dialog picks `file` (empty: it is cancelled).
    void file(const QString& file) {
        whens_.push_back({});
        answers_.push_back([this, file](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) return false;
            fileDialogs.append(dialog->nameFilters().join(u';'));
            fileFolders.append(dialog->directory().absolutePath());
            if (file.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(file);
                static_cast<QDialog*>(dialog)->accept();
            }
            return true;
        });
    }

    bool done() const { return answers_.empty(); }

    QList<Box> boxes;
    QStringList fileDialogs;  // the filter of each file dialog answered
    QStringList fileFolders;  // the folder each file dialog answered opened in
    QStringList unexpected;   // modal windows that came with no answer left, or the wrong one

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_) return;
        if (!whens_.empty() && whens_.front() && !whens_.front()()) return;
        if (answers_.empty() || !answers_.front()(modal)) {
            unexpected.append(modal->metaObject()->className() + QStringLiteral(": ") +
                              modal->windowTitle());
            // Close it all the same, so a test fails instead of hanging.
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes.append(
                    {box->windowTitle(), box->text(), box->frameGeometry(), box->font().family()});
                box->button(box->standardButtons().testFlag(QMessageBox::Cancel)
                                ? QMessageBox::Cancel
                                : QMessageBox::Ok)
                    ->click();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            }
        } else {
            answers_.pop_front();
            whens_.pop_front();
        }
        last_ = modal;
    }

    QTimer timer_;
    QPointer<QWidget> last_;
    std::deque<std::function<bool(QWidget*)>> answers_;
    std::deque<std::function<bool()>> whens_;  // beside answers_: when each may be given
};
