// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/machine_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSettings>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <variant>

#include "calc/translation.h"
#include "ui/accessible_input.h"
#include "ui/drive_form.h"
#include "ui/qt_text.h"
#include "ui/workbench_look.h"
#include "ui/workbench_results.h"

namespace cnc::ui {
namespace {

using workbench::MachineState;

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }
QString translated(std::string_view italian) { return QString::fromStdString(_(italian)); }

std::string decimalSeparator() { return utf8(QLocale().decimalPoint()); }

const workbench::Input& firmwareInput() { return *workbench::inputNamed("firmware-scelto"); }

// The files used last, newest first, kept under the program's name.
constexpr int kMostRecentFiles = 8;
QSettings settings() {
    return QSettings(QCoreApplication::applicationName(), QStringLiteral("macchina"));
}
constexpr auto kRecentFilesKey = "file-recenti";
const QString kFileFilter = QStringLiteral("TOML (*.toml)");

QPushButton* command(std::string_view label, const char* name) {
    auto* button = new QPushButton(translated(label));
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

MachineWindow::MachineWindow(MachineState machine, QWidget* parent)
    : QMainWindow(parent),
      machine_(std::move(machine)),
      saved_(machine_),
      firmware_(accessibleInput(new QComboBox)),
      name_(accessibleInput(new QLineEdit)),
      axes_(new QTabWidget),
      letters_(accessibleInput(new QComboBox)),
      add_(command(workbench::kAddAxisLabel, "macchina-aggiungi")),
      duplicate_(command(workbench::kDuplicateAxisLabel, "macchina-duplica")),
      remove_(command(workbench::kRemoveAxisLabel, "macchina-rimuovi")),
      block_(new WorkbenchResults),
      fileProblem_(errorLabel(QStringLiteral("macchina-file"))) {
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildMachineInputs());
    layout->addWidget(fileProblem_);
    layout->addWidget(buildAxisCommands());
    layout->addWidget(axes_, 1);
    block_->setObjectName(QStringLiteral("macchina-righe"));
    block_->setTitle(translated(workbench::kMachineTitle));
    layout->addWidget(block_);
    setCentralWidget(central);
    buildMenu();
    showAxes(machine_.axes.front().letter);
    resize(1100, 900);
}

QWidget* MachineWindow::buildMachineInputs() {
    const workbench::Input& firmware = firmwareInput();
    firmware_->setObjectName(QStringLiteral("macchina-firmware"));
    for (const workbench::Alternative& alternative : firmware.alternatives) {
        firmware_->addItem(translated(alternative.label));
    }
    name_->setObjectName(QStringLiteral("macchina-nome"));
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    const auto addRow = [&](QWidget* field, const QString& label, const QString& description) {
        field->setAccessibleName(label);
        field->setAccessibleDescription(description);
        field->setToolTip(description);
        auto* caption = new QLabel(label);
        caption->setBuddy(field);
        const int row = grid->rowCount();
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(firmware_, translated(firmware.label), translated(firmware.description));
    addRow(name_, translated(workbench::kMachineNameLabel),
           translated(workbench::kMachineNameDescription));
    QObject::connect(firmware_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const auto chosen = static_cast<std::size_t>(std::max(0, index));
        machine_.firmware = std::string(firmwareInput().alternatives[chosen].value);
        // What shows with a firmware (LinuxCNC's joints) shows in every form.
        for (const AxisTab& tab : tabs_) {
            workbench::Entries entries = tab.form->entries();
            entries.choose(firmwareInput().key, chosen);
            tab.form->showEntries(std::move(entries));
        }
        refresh();
    });
    QObject::connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) {
        machine_.name = utf8(text);
        showTitle();
    });
    return box;
}

QWidget* MachineWindow::buildAxisCommands() {
    letters_->setObjectName(QStringLiteral("macchina-lettera"));
    const QString label = translated(workbench::kNewAxisLabel);
    letters_->setAccessibleName(label);
    auto* caption = new QLabel(label);
    caption->setBuddy(letters_);
    QObject::connect(add_, &QPushButton::clicked, this, [this] { addAxis(false); });
    QObject::connect(duplicate_, &QPushButton::clicked, this, [this] { addAxis(true); });
    QObject::connect(remove_, &QPushButton::clicked, this, [this] { removeAxis(); });
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{caption, letters_, add_, duplicate_, remove_}) {
        layout->addWidget(widget);
    }
    layout->addStretch();
    return row;
}

void MachineWindow::buildMenu() {
    QMenu* file = menuBar()->addMenu(translated(N_("&File")));
    QAction* open = file->addAction(translated(N_("&Apri…")), this, [this] { openChosen(); });
    open->setShortcut(QKeySequence::Open);
    QAction* save = file->addAction(translated(N_("&Salva")), this, [this] { this->save(); });
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs =
        file->addAction(translated(N_("Salva &con nome…")), this, [this] { this->saveAs(); });
    saveAs->setShortcut(QKeySequence::SaveAs);
    recentFiles_ = file->addMenu(translated(N_("File &recenti")));
    showRecentFiles();
    file->addSeparator();
    QAction* close = file->addAction(translated(N_("&Chiudi")), this, [this] { this->close(); });
    close->setShortcut(QKeySequence::Close);
}

void MachineWindow::showAxes(char letter) {
    {
        const QSignalBlocker quiet(firmware_);
        const auto& alternatives = firmwareInput().alternatives;
        const auto chosen =
            std::ranges::find(alternatives, machine_.firmware, &workbench::Alternative::value);
        firmware_->setCurrentIndex(
            chosen == alternatives.end() ? 0 : static_cast<int>(chosen - alternatives.begin()));
    }
    {
        const QSignalBlocker quiet(name_);
        name_->setText(qText(machine_.name));
    }
    // A new tab widget for new axes: Qt's accessible tab bar keeps the
    // interface of a tab removed, which a screen reader then finds as a tab
    // with no name.
    auto* axes = new QTabWidget;
    axes->setObjectName(QStringLiteral("macchina-assi"));
    axes->setAccessibleName(translated(workbench::kMachineAxesLabel));
    delete centralWidget()->layout()->replaceWidget(axes_, axes);
    delete axes_;
    axes_ = axes;
    axes_->show();  // now, not when the layout would get to it
    tabs_.clear();
    for (std::size_t i = 0; i < machine_.axes.size(); ++i) {
        auto* form = new DriveForm(workbench::axisEntries(machine_, i), workbench::isAxisInput);
        auto* results = new WorkbenchResults;
        form->onChange([this, form] {
            const auto tab = std::ranges::find(tabs_, form, &AxisTab::form);
            axisEdited(static_cast<std::size_t>(tab - tabs_.begin()));
        });
        auto* columns = new QWidget;
        auto* layout = new QHBoxLayout(columns);
        layout->addWidget(form, 3, Qt::AlignTop);
        layout->addWidget(results, 2, Qt::AlignTop);
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(columns);
        const QString name(QLatin1Char(machine_.axes[i].letter));
        axes_->addTab(scroll, name);
        scroll->setAccessibleName(name);
        tabs_.push_back({form, results});
        if (machine_.axes[i].letter == letter) axes_->setCurrentIndex(static_cast<int>(i));
    }
    refresh();
    colourLegibly(*this);
}

void MachineWindow::refresh() {
    const QLocale locale;
    const workbench::MachineEvaluation evaluation = workbench::evaluateMachine(
        machine_, utf8(locale.decimalPoint()), utf8(locale.groupSeparator()));
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        const workbench::Evaluation& axis = evaluation.axes[i].evaluation;
        tabs_[i].results->show(axis, tabs_[i].form->showErrors(axis.errors));
    }
    QStringList problems;
    for (const workbench::MachineError& error : evaluation.errors) {
        problems << QString::fromStdString(error.message);
    }
    block_->show({{}, evaluation.firmwareLines, {}}, problems);
    const QString letters = QString::fromStdString(workbench::freeLetters(machine_));
    {
        const QSignalBlocker quiet(letters_);
        letters_->clear();
        for (const QChar letter : letters) letters_->addItem(QString(letter));
    }
    add_->setEnabled(!letters.isEmpty());
    duplicate_->setEnabled(!letters.isEmpty());
    remove_->setEnabled(machine_.axes.size() > 1);
    showTitle();
}

void MachineWindow::axisEdited(std::size_t index) {
    machine_.axes[index].state = workbench::axisStateOf(tabs_[index].form->entries());
    refresh();
}

void MachineWindow::addAxis(bool likeShown) {
    const QString letter = letters_->currentText();
    if (letter.size() != 1) return;
    const auto shown = static_cast<std::size_t>(std::max(0, axes_->currentIndex()));
    const workbench::State state = likeShown ? machine_.axes[shown].state : workbench::State{};
    const char added = letter[0].toLatin1();
    if (auto machine = workbench::withAxis(machine_, added, state)) {
        machine_ = *std::move(machine);
        showAxes(added);
    }
}

void MachineWindow::removeAxis() {
    const auto shown = static_cast<std::size_t>(std::max(0, axes_->currentIndex()));
    machine_ = workbench::withoutAxis(machine_, machine_.axes[shown].letter);
    showAxes(machine_.axes[std::min(shown, machine_.axes.size() - 1)].letter);
}

bool MachineWindow::openFile(const QString& path) {
    auto read = workbench::machineOfFile(QFile::encodeName(path).toStdString(), decimalSeparator());
    if (const auto* problem = std::get_if<std::string>(&read)) {
        fileProblem_->setText(QString::fromStdString(*problem));
        fileProblem_->show();
        return false;
    }
    fileProblem_->hide();
    machine_ = std::get<MachineState>(std::move(read));
    saved_ = machine_;
    file_ = path;
    remember(path);
    showAxes(machine_.axes.front().letter);
    return true;
}

bool MachineWindow::saveFile(const QString& path) {
    QSaveFile file(path);
    const QByteArray text =
        QByteArray::fromStdString(workbench::machineText(machine_, decimalSeparator()));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        // TRANSLATORS: {0} is a file, {1} the system's reason
        fileProblem_->setText(QString::fromStdString(filled(
            _("{0}: il file non si può scrivere: {1}."), {utf8(path), utf8(file.errorString())})));
        fileProblem_->show();
        return false;
    }
    fileProblem_->hide();
    saved_ = machine_;
    file_ = path;
    remember(path);
    showTitle();
    return true;
}

void MachineWindow::openChosen() {
    if (!changesMayGo()) return;
    const QString path =
        QFileDialog::getOpenFileName(this, translated(N_("Apri una macchina")), file_, kFileFilter);
    if (!path.isEmpty()) openFile(path);
}

bool MachineWindow::save() { return file_.isEmpty() ? saveAs() : saveFile(file_); }

bool MachineWindow::saveAs() {
    const QString suggested =
        file_.isEmpty() ? (machine_.name.empty() ? translated(workbench::kMachineTitle)
                                                 : QString::fromStdString(machine_.name)) +
                              QStringLiteral(".toml")
                        : file_;
    QString path = QFileDialog::getSaveFileName(this, translated(N_("Salva la macchina")),
                                                suggested, kFileFilter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".toml");
    return saveFile(path);
}

bool MachineWindow::changesMayGo() {
    if (machine_ == saved_) return true;
    QMessageBox question(QMessageBox::Question, translated(workbench::kMachineTitle),
                         translated(N_("La macchina ha modifiche non salvate: salvarle?")),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    switch (question.exec()) {
        case QMessageBox::Save: return save();
        case QMessageBox::Discard: return true;
        default: return false;
    }
}

void MachineWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) colourLegibly(*this);
    QMainWindow::changeEvent(event);
}

void MachineWindow::closeEvent(QCloseEvent* event) {
    if (changesMayGo()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MachineWindow::remember(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QSettings kept = settings();
    QStringList files = kept.value(kRecentFilesKey).toStringList();
    files.removeAll(absolute);
    files.prepend(absolute);
    kept.setValue(kRecentFilesKey, files.mid(0, kMostRecentFiles));
    showRecentFiles();
}

void MachineWindow::showRecentFiles() {
    recentFiles_->clear();
    const QStringList files = settings().value(kRecentFilesKey).toStringList();
    for (const QString& path : files) {
        recentFiles_->addAction(path, this, [this, path] {
            if (changesMayGo()) openFile(path);
        });
    }
    recentFiles_->setEnabled(!files.isEmpty());
}

void MachineWindow::showTitle() {
    const QString named = !machine_.name.empty() ? QString::fromStdString(machine_.name)
                          : !file_.isEmpty()     ? QFileInfo(file_).fileName()
                                                 : QString();
    const QString title = translated(workbench::kMachineTitle);
    setWindowTitle(named.isEmpty() ? title + QStringLiteral("[*]")
                                   : named + QStringLiteral("[*] — ") + title);
    setWindowModified(machine_ != saved_);
}

}  // namespace cnc::ui
