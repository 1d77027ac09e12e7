#include "link/config_form.h"

#include "link/com_ports.h"
#include "platform/dialogs.h"
#include "platform/handler_guard.h"
#include "platform/ini_profile.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

struct ComboInfo {
    PortList list;
    const char* objectName;
    QString label;
    bool enabled;
};

const std::array<ComboInfo, 7> ComboInfos{{
    {PortList::BoudRate, "ComboBoudRate", QStringLiteral("Скорость (бит/с):"), true},
    {PortList::BitsSize, "ComboBitsSize", QStringLiteral("Биты данных:"), true},
    {PortList::Parity, "ComboParity", QStringLiteral("Четность:"), true},
    {PortList::StopBits, "ComboStopBits", QStringLiteral("Стоповые биты:"), true},
    {PortList::Streem, "ComboStreem", QStringLiteral("Управление потоком:"), true},
    {PortList::BufferRX, "ComboBufferRX", QStringLiteral("Буфер приема (байты):"), false},
    {PortList::BufferTX, "ComboBufferTX", QStringLiteral("Буфер передачи (байты):"), false},
}};

QPushButton* makeButton(const QString& text, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    // Enter in a text field must not press a button: only a click saves or cancels.
    button->setAutoDefault(false);
    return button;
}

} // namespace

void TPortListBox::mousePressEvent(QMouseEvent* event) {
    // A press on a tick box selects its entry too, as anywhere else on the entry; the view alone
    // would only toggle the box and leave the old entry selected.
    if (event->button() == Qt::LeftButton) {
        if (QListWidgetItem* item = itemAt(event->position().toPoint()))
            setCurrentItem(item);
    }
    QListWidget::mousePressEvent(event);
    if (OnMouseDown)
        OnMouseDown();
}

void TPortListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (OnMouseDown)
        OnMouseDown();
}

void TPortListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (OnMouseUp)
        OnMouseUp();
}

const QString TConfigForm::Caption = QStringLiteral(" Параметры порта ");

TConfigForm::TConfigForm(TComm32& comm, const QString& programDir, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), comm_(comm), dialogs_(dialogs), programDir_(programDir) {
    setObjectName("ConfigForm");
    setWindowTitle(Caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    outer->addWidget(GroupBox1);

    auto* grid = new QGridLayout(GroupBox1);
    ListPort = new TPortListBox(GroupBox1);
    ListPort->setObjectName("ListPort");
    ListPort->setSelectionMode(QAbstractItemView::SingleSelection);
    ListPort->OnMouseDown = [this] { ListPortMouseDown(); };
    ListPort->OnMouseUp = [this] { ListPortMouseUp(); };

    for (std::size_t i = 0; i < ComboInfos.size(); ++i) {
        const ComboInfo& info = ComboInfos[i];
        auto* label = new QLabel(info.label, GroupBox1);
        auto* combo = new QComboBox(GroupBox1);
        combo->setObjectName(info.objectName);
        combo->setEditable(true);
        // Typed text stays text: Enter must not add it to the list as a new entry.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setEnabled(info.enabled);
        label->setBuddy(combo);
        grid->addWidget(label, int(i), 1);
        grid->addWidget(combo, int(i), 2);
        combos_[std::size_t(info.list)] = combo;
    }
    ComboBoudRate = Combo(PortList::BoudRate);
    ComboBitsSize = Combo(PortList::BitsSize);
    ComboParity = Combo(PortList::Parity);
    ComboStopBits = Combo(PortList::StopBits);
    ComboStreem = Combo(PortList::Streem);
    ComboBufferRX = Combo(PortList::BufferRX);
    ComboBufferTX = Combo(PortList::BufferTX);

    ButtonRestoreDefault =
        makeButton(QStringLiteral("Восстановить умолчания"), "ButtonRestoreDefault", GroupBox1);
    ButtonSaveSet = makeButton(QStringLiteral("Сохранить"), "ButtonSaveSet", GroupBox1);
    ButtonCancel = makeButton(QStringLiteral("Отмена"), "ButtonCancel", GroupBox1);

    const int rows = int(ComboInfos.size());
    grid->addWidget(ListPort, 0, 0, rows + 2, 1);
    grid->addWidget(ButtonRestoreDefault, rows, 1, 1, 2);
    auto* closeButtons = new QHBoxLayout;
    closeButtons->addWidget(ButtonSaveSet);
    closeButtons->addWidget(ButtonCancel);
    grid->addLayout(closeButtons, rows + 1, 1, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    connect(ButtonSaveSet, &QPushButton::clicked, this,
            [this] { Guarded(dialogs_, [this] { ButtonSaveSetClick(); }); });
    connect(ButtonRestoreDefault, &QPushButton::clicked, this,
            [this] { Guarded(dialogs_, [this] { ButtonRestoreDefaultClick(); }); });
    connect(ButtonCancel, &QPushButton::clicked, this,
            [this] { Guarded(dialogs_, [this] { ButtonCancelClick(); }); });
}

QComboBox* TConfigForm::Combo(PortList list) const {
    return combos_[std::size_t(list)];
}

void TConfigForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored by the system is shown again spontaneously; only the program's own show
    // fills and reads the dialog.
    if (event->spontaneous())
        return;
    if (Guarded(dialogs_, [this] { FormShow(); }))
        Guarded(dialogs_, [this] { FormActivate(); });
}

void TConfigForm::FormShow() {
    fillPortList();
    for (const PortListInfo& info : PortLists()) {
        QComboBox* combo = Combo(info.list);
        combo->clear();
        combo->addItems(info.entries);
    }
}

void TConfigForm::FormActivate() {
    const IniProfile ini(settingsPath());
    const QString port =
        ini.ReadString(PortSettings::Section, PortSettings::PortKey, PortSettings::DefaultPort);
    int row = 0;
    for (int i = 0; i < ListPort->count(); ++i) {
        if (ListPort->item(i)->text() == port) {
            row = i;
            break;
        }
    }
    if (row < ListPort->count())
        ListPort->item(row)->setCheckState(Qt::Checked);
    for (const PortListInfo& info : PortLists())
        showPosition(info.list, ini.ReadInteger(PortSettings::Section, info.key, info.defaultPosition));
}

void TConfigForm::ListPortMouseDown() {
    if (selectedRow() < 0)
        return;
    for (int i = 0; i < ListPort->count(); ++i)
        ListPort->item(i)->setCheckState(Qt::Unchecked);
}

void TConfigForm::ListPortMouseUp() {
    const int row = selectedRow();
    if (row >= 0)
        ListPort->item(row)->setCheckState(Qt::Checked);
}

void TConfigForm::ButtonSaveSetClick() {
    writeSettings();
    accept();
}

void TConfigForm::ButtonRestoreDefaultClick() {
    // The frame is the system's; the client area takes what is left of the outer size.
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(DefaultOuterSize - frame);
    fillPortList();
    if (ListPort->count() > 0)
        ListPort->item(0)->setCheckState(Qt::Checked);
    for (const PortListInfo& info : PortLists())
        showPosition(info.list, info.defaultPosition);
}

void TConfigForm::ButtonCancelClick() {
    // On the first start the defaults are written, so the dialog does not open at every start.
    if (!QFileInfo::exists(settingsPath())) {
        ButtonRestoreDefaultClick();
        writeSettings();
    }
    reject();
}

QString TConfigForm::settingsPath() const {
    return SettingsFilePath(programDir_);
}

QString TConfigForm::storedPort() const {
    return IniProfile(settingsPath())
        .ReadString(PortSettings::Section, PortSettings::PortKey, PortSettings::DefaultPort);
}

void TConfigForm::fillPortList() {
    ListPort->clear();
    QStringList ports;
    EnumComPorts(ports, PortSettings::PortPrefix, comm_, storedPort());
    for (const QString& port : ports) {
        auto* item = new QListWidgetItem(port, ListPort);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

int TConfigForm::selectedRow() const {
    const QList<QListWidgetItem*> selected = ListPort->selectedItems();
    return selected.isEmpty() ? -1 : ListPort->row(selected.first());
}

QString TConfigForm::firstTickedPort() const {
    for (int i = 0; i < ListPort->count(); ++i) {
        if (ListPort->item(i)->checkState() == Qt::Checked)
            return ListPort->item(i)->text();
    }
    return {};
}

void TConfigForm::showPosition(PortList list, int position) {
    QComboBox* combo = Combo(list);
    if (position >= 0 && position < combo->count()) {
        combo->setCurrentIndex(position);
        return;
    }
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

void TConfigForm::writeSettings() {
    // Key by key, like the system's writer: keys written before a failure stay written.
    IniProfile ini(settingsPath());
    ini.WriteString(PortSettings::Section, PortSettings::PortKey, firstTickedPort());
    for (const PortListInfo& info : PortLists()) {
        const QComboBox* combo = Combo(info.list);
        ini.WriteInteger(PortSettings::Section, info.key, combo->findText(combo->currentText()));
    }
}
