#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "app/about_dialog.h"
#include "app/correlation_dialog.h"
#include "app/guide_window.h"
#include "app/interface_language.h"
#include "app/menu_items.h"
#include "app/open_profile_dialog.h"
#include "app/picking_bar.h"
#include "app/profile_report_window.h"
#include "app/program_settings.h"
#include "app/report_pdf.h"
#include "app/status_texts.h"
#include "app/surface_print.h"
#include "app/survey_map_window.h"
#include "app/survey_options_dialog.h"
#include "app/toolbar_icons.h"
#include "app/ui_text.h"
#include "common/atomic_file.h"
#include "common/error_messages.h"
#include "common/open_files_chooser.h"
#include "common/save_file_chooser.h"
#include "plot/click_regions.h"
#include "profile/segy_save.h"
#include "session/document_title.h"
#include "session/form_session.h"
#include "session/survey_run.h"

namespace karvelo {

MainWindow::MainWindow(FormSession& session, const Surface& drawing, QScrollArea* form,
                       SaveFileChooser& saveFiles, OpenFilesChooser& openFiles)
    : session_(session),
      drawing_(drawing),
      saveFiles_(saveFiles),
      openFiles_(openFiles),
      contentSize_(form->widget()->minimumSize()),
      pickingBar_(nullptr),
      toolBar_(new QToolBar(this)) {
    SetUiText(toolBar_, "windowTitle", KTR("MainWindow", "Toolbar"));
    UpdateTitle();
    setCentralWidget(form);
    CreateMenus();
    CreateToolBar();
    CreateAccelerators();
    SetUpPickRegion();
    pickingBar_ = new PickingBar(session_, this);
    addToolBar(Qt::BottomToolBarArea, pickingBar_);
    pickingBar_->hide();
    FitToContent();
    if (const QByteArray geometry = SavedWindowGeometry(); !geometry.isEmpty()) {
        restoreGeometry(geometry);
    }
    session_.SetCaptionLanguage(InterfaceLanguage());
    ShowRecentSources();
    setAcceptDrops(true);
    loaded_ = new QLabel(this);
    loaded_->setObjectName(QStringLiteral("loadedSummary"));
    statusBar()->addPermanentWidget(loaded_);
    drawing_area_ = form->widget();
    drawing_area_->setMouseTracking(true);
    drawing_area_->installEventFilter(this);
}

void MainWindow::CreateMenus() {
    QMenu* file = AddMenu(menuBar(), KTR("MainWindow", "&File"));
    openAction_ = AddItem(file, KTR("MainWindow", "&Open...\tCtrl+O"));
    openAction_->setIcon(OpenIcon());
    openAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    SetUiText(openAction_, "toolTip", KTR("MainWindow", "Open"));
    openAction_->setIconVisibleInMenu(false);  // the pictures belong to the toolbar
    connect(openAction_, &QAction::triggered, this, &MainWindow::OnFileOpen);
    connect(AddItem(file, KTR("MainWindow", "Сохранить профиль как &SEG-Y…")), &QAction::triggered,
            this, &MainWindow::OnSaveSegy);
    QAction* print = AddItem(file, KTR("MainWindow", "&Print..."));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &MainWindow::OnPrint);
    // The recent sources, "&1" to "&4", between two separators once there is one.
    recentActions_.push_back(file->addSeparator());
    for (std::size_t i = 0; i < kRecentSourceCount; ++i) {
        QAction* recent = file->addAction(QString());
        connect(recent, &QAction::triggered, this, [this, i] {
            const auto sources = RecentSources();
            if (i < sources.size()) {
                OpenWithFiles(sources[i]);
            }
        });
        recentActions_.push_back(recent);
    }
    file->addSeparator();
    QAction* exit = AddItem(file, KTR("MainWindow", "E&xit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &MainWindow::close);

    QMenu* view = AddMenu(menuBar(), KTR("MainWindow", "&View"));
    QAction* toolbar = AddItem(view, KTR("MainWindow", "&Toolbar"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    connect(toolbar, &QAction::toggled, this, [this](bool on) { toolBar_->setVisible(on); });
    QMenu* language = AddMenu(view, KTR("MainWindow", "Язык / &Language"));
    auto* languages = new QActionGroup(this);
    for (const auto& [choice, name] :
         {std::pair{Language::Russian, KTR("MainWindow", "&Русский")},
          std::pair{Language::English, KTR("MainWindow", "&English")}}) {
        QAction* item = AddItem(language, name);
        item->setCheckable(true);
        item->setChecked(choice == InterfaceLanguage());
        item->setData(static_cast<int>(choice));
        languages->addAction(item);
        connect(item, &QAction::triggered, this, [this, choice = choice] { OnLanguage(choice); });
    }

    QMenu* help = AddMenu(menuBar(), KTR("MainWindow", "&Help"));
    QAction* guide = AddItem(help, KTR("MainWindow", "&Руководство"));
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    connect(guide, &QAction::triggered, this, &MainWindow::OnGuide);
    aboutAction_ = AddItem(help, KTR("MainWindow", "&About Karvelo..."));
    aboutAction_->setIcon(AboutIcon());
    SetUiText(aboutAction_, "toolTip", KTR("MainWindow", "About"));
    aboutAction_->setIconVisibleInMenu(false);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::OnAbout);

    QMenu* tools = AddMenu(menuBar(), KTR("MainWindow", "&Tools"));
    QAction* picking = AddItem(tools, KTR("MainWindow", "&Пикирование"));
    picking->setCheckable(true);
    connect(picking, &QAction::toggled, this, &MainWindow::OnPicking);
    QMenu* quality = AddMenu(tools, KTR("MainWindow", "&Добротность"));
    qualityDisplayAction_ = AddItem(quality, KTR("MainWindow", "&Вкл. отображение"));
    qualityDisplayAction_->setCheckable(true);
    connect(qualityDisplayAction_, &QAction::triggered, this, &MainWindow::OnQualityDisplay);
    connect(AddItem(quality, KTR("MainWindow", "&Сохранить в файл")), &QAction::triggered, this,
            [this] { session_.OnQualitySave(); });
    connect(AddItem(tools, KTR("MainWindow", "&Корр. функция")), &QAction::triggered, this,
            &MainWindow::OnCorrelation);
    connect(AddItem(tools, KTR("MainWindow", "&Отчёт по профилю")), &QAction::triggered, this,
            &MainWindow::OnProfileReport);
    connect(AddItem(tools, KTR("MainWindow", "Карта о&бследования")), &QAction::triggered, this,
            &MainWindow::OnSurveyMap);

    // The toolbar's own visibility keeps the check mark of "&Toolbar".
    connect(toolBar_, &QToolBar::visibilityChanged, toolbar, [toolbar](bool visible) {
        const QSignalBlocker quiet(toolbar);
        toolbar->setChecked(visible);
    });
}

void MainWindow::CreateToolBar() {
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->addAction(openAction_);
    toolBar_->addAction(aboutAction_);
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void MainWindow::CreateAccelerators() {
    auto addKey = [this](const QKeySequence& keys) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        addAction(action);
        return action;
    };
    connect(addKey(QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered, this,
            &MainWindow::OnNewDocument);
    // Ctrl+S saves the document, which holds nothing: the key is taken and does nothing.
    addKey(QKeySequence(Qt::CTRL | Qt::Key_S));
}

void MainWindow::FitToContent() {
    // Large enough for the controls and every plot panel; smaller only on a smaller screen.
    QSize wanted = contentSize_;
    wanted.rheight() += menuBar()->sizeHint().height() + toolBar_->sizeHint().height();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        wanted = wanted.boundedTo(screen->availableSize());
    }
    resize(wanted);
}

void MainWindow::OnFileOpen() {
    OpenWithFiles({});
}

void MainWindow::OpenWithFiles(const std::vector<std::string>& files) {
    session_.OnFileOpen([this, &files] {
        OpenProfileDialog dialog(this, openFiles_, session_.Doc());
        if (!files.empty()) {
            dialog.PresetFiles(files);
        }
        if (dialog.exec() == QDialog::Accepted && !dialog.ChosenFiles().empty()) {
            AddRecentSource(dialog.ChosenFiles());
            ShowRecentSources();
        }
    });
    UpdateTitle();
    ShowLoadedSummary();
}

void MainWindow::ShowLoadedSummary() {
    loaded_->setText(LoadedSummary(session_.Doc()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == drawing_area_ && event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (const QString readout = ReadoutAt(session_, at.x(), at.y()); !readout.isEmpty()) {
            statusBar()->showMessage(readout);
        } else {
            statusBar()->clearMessage();
        }
    }
    if (watched == drawing_area_ && event->type() == QEvent::Leave) {
        statusBar()->clearMessage();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::FollowDocument(QWidget* report, const std::string& key) {
    // The report was made from the document as it stood; once the profile, the mode, the
    // band, the velocity or beta change, its title says that it shows an earlier state.
    const QString title = report->windowTitle();
    auto* timer = new QTimer(report);
    constexpr int kCheckMs = 300;
    connect(timer, &QTimer::timeout, report, [this, report, key, title] {
        const bool current = session_.ReportKey() == key;
        report->setWindowTitle(
            current ? title
                    : title + Translate(KTR("MainWindow",
                                            " — прежнее состояние: профиль или параметры "
                                            "изменились, откройте отчёт заново")));
    });
    timer->start(kCheckMs);
}

void MainWindow::UpdateTitle() {
    setWindowTitle(QString::fromStdString(DocumentTitle(session_.Doc(), InterfaceLanguage())));
}

void MainWindow::ShowRecentSources() {
    const auto sources = RecentSources();
    recentActions_.front()->setVisible(!sources.empty());
    for (std::size_t i = 0; i + 1 < recentActions_.size(); ++i) {
        QAction* recent = recentActions_[i + 1];
        recent->setVisible(i < sources.size());
        if (i < sources.size()) {
            // "&1 P-1.txt (6 files)": the number is the item's Alt letter.
            recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                QString::fromStdString(DescribeFiles(sources[i])).replace('&', "&&")));
        }
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> files;
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString path = url.toLocalFile();
        if (path.isEmpty()) {
            ReportError(kErrCannotOpenFile, true,
                        url.toDisplayString().toStdString() + ": not a file on this computer");
            return;
        }
        if (QFileInfo(path).isDir()) {
            ReportError(kErrCannotOpenFile, true,
                        path.toStdString() + ": a folder, not a recording");
            return;
        }
        files.push_back(QFile::encodeName(path).toStdString());
    }
    event->acceptProposedAction();
    // The dialog runs once the drop has finished, as the window system expects.
    QTimer::singleShot(0, this, [this, files] { OpenWithFiles(files); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    SaveWindowGeometry(saveGeometry());
    QMainWindow::closeEvent(event);
}

void MainWindow::OnProfileReport() {
    const std::vector<PointReport> rows = session_.ProfileReport();
    if (rows.empty()) {
        // Nothing loaded, or the profile spectrum, which lists no maxima.
        ReportError(kErrCannotExecute, true);
        return;
    }
    const auto savePdf = [this](const LineReport& report) {
        const std::optional<std::string> path = saveFiles_.ChooseSaveFile("report.pdf", "pdf");
        if (path && !WriteReportPdf(*path, ComposeReport(session_, report))) {
            ReportError(kErrCannotCreateFile, false,
                        *path + ": the PDF could not be written: " + WriteFailureReason());
        }
    };
    auto* window = new ProfileReportWindow(
        this, rows, session_.CurrentReportSettings(),
        [this](std::uint32_t point) { session_.SelectPoint(point); }, savePdf);
    window->setAttribute(Qt::WA_DeleteOnClose);
    FollowDocument(window, session_.ReportKey());
    window->show();
}

void MainWindow::OnSurveyMap() {
    const std::vector<std::string> files = openFiles_.ChooseOpenFiles();
    if (files.empty()) {
        return;
    }
    const GridGrouping grouping = GroupByPosition(files, kDefaultGridNamePattern);
    if (!grouping.Refusal.empty()) {
        ReportError(kErrCannotReadFile, true, grouping.Refusal);
        return;
    }
    SurveyOptionsDialog reading(this, files, grouping.Positions.size(),
                                session_.Doc().LoadedSource.Options, kBothChannels);
    if (reading.exec() != QDialog::Accepted) {
        return;
    }
    const auto total = static_cast<int>(grouping.Positions.size());
    QProgressDialog progress(Translate(KTR("MainWindow", "Карта обследования")),
                             Translate(KTR("MainWindow", "Cancel")), 0, total, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const bool derived = session_.State().VelocityOrThickness != 0.0f;
    SurveySettings settings = FormSurveySettings(
        session_, reading.ChannelMode(), derived ? SurveyValue::Result : SurveyValue::Frequency);
    settings.Options = reading.Options();
    // Every position's maxima are kept, so the window classifies as its fields change.
    std::vector<std::optional<PositionPeaks>> peaks;
    const auto values = RunSurvey(
        settings, grouping.Positions,
        [&progress](std::size_t done, std::size_t) {
            progress.setValue(static_cast<int>(done));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        },
        &peaks);
    progress.close();
    if (!values) {
        return;
    }
    const SurveyGrid grid = LayOutGrid(grouping.Positions, *values, &peaks);
    const std::string caption =
        SurveyValueCaption(derived, session_.State().ThicknessGiven != 0, InterfaceLanguage());
    SurveyMapStyle style = DataRangeStyle(grid, caption);
    style.TextLanguage = InterfaceLanguage();
    const std::vector<GridPosition> positions = grouping.Positions;
    auto* window = new SurveyMapWindow(
        this, grid, positions, style,
        [this, positions, options = settings.Options, channels = settings.ChannelMode](
            const std::string& row, std::uint32_t column) {
            OpenSurveyRow(session_, positions, row, column, channels, options);
            UpdateTitle();
        },
        [this](const std::string& name, const std::string& extension) {
            return saveFiles_.ChooseSaveFile(name, extension);
        });
    window->OfferClasses(
        session_.State().ThicknessGiven != 0 ? 0.0 : session_.State().VelocityOrThickness,
        session_.State().ShapeFactor);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void MainWindow::OnSaveSegy() {
    // The save reports every failure itself, with nothing loaded as well.
    if (const std::optional<std::string> path = saveFiles_.ChooseSaveFile("profile.sgy", "sgy")) {
        SaveProfileSegy(session_.Doc().CurrentProfile().image, *path);
    }
}

void MainWindow::OnNewDocument() {
    session_.InitialUpdate();
}

void MainWindow::OnPrint() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        PrintSurface(drawing_, QRect(QPoint(0, 0), contentSize_), printer);
    }
}

void MainWindow::OnGuide() {
    if (guide_ == nullptr) {
        guide_ = new GuideWindow(this);
        guide_->setAttribute(Qt::WA_DeleteOnClose);
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

void MainWindow::OnAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::OnLanguage(Language language) {
    if (language == InterfaceLanguage() || !SetInterfaceLanguage(language)) {
        return;
    }
    SaveLanguage(language);
    session_.SetCaptionLanguage(language);
    if (session_.Doc().ProfileShown) {
        session_.RedrawView();
    }
    ShowLoadedSummary();
    UpdateTitle();
}

void MainWindow::OnPicking(bool checked) {
    pickingBar_->setVisible(checked);
}

void MainWindow::OnQualityDisplay() {
    qualityDisplayAction_->setChecked(session_.ToggleQualityDisplay());
}

void MainWindow::OnCorrelation() {
    if (!session_.CorrelationAvailable()) {
        return;
    }
    CorrelationDialog dialog(this, session_.Doc().CurrentProfile());
    dialog.exec();
}

}  // namespace karvelo
