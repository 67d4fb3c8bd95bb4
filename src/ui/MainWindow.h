#pragma once

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <vector>

#include "generator/GenerateProject.h"
#include "model/FieldDefinition.h"
#include "model/ProjectSettings.h"
#include "ui/FieldForm.h"
#include "ui/ScreenPreview.h"

class QButtonGroup;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tablesmith {
class FieldStore;
}

namespace tablesmith::ui {

class FieldListModel;
class ProgressWindow;

struct MainWindowOptions {
  std::filesystem::path storeFile;  // the field store, created when missing
  RunEnvironment environment;       // where a run finds the theme images
};

// The wizard's Main window: every setting on four tabs, the field list with
// its Insert, Change and Delete, the output-folder lookup and the generate
// button. It opens the field store when it opens and closes it with itself.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Throws FieldStoreError when the store cannot be opened.
  explicit MainWindow(const MainWindowOptions& options, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The settings as the controls hold them now.
  const ProjectSettings& settings() const { return settings_; }
  FieldStore& store() { return *store_; }
  ProgressWindow& progressWindow() { return *progress_; }

 public slots:
  void Generate();
  void LookUpOutputFolder();
  void InsertField();
  void ChangeField();
  void DeleteField();
  void ShowAbout();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildAppTab();
  QWidget* BuildListTab();
  QWidget* BuildFormTab();
  QWidget* BuildMessageTab();
  void AddPreviewBeside(QWidget* tab, QLayout* left, ScreenPreview::Screen screen,
                        const QString& objectName);
  // A prompt and an entry bound to the setting; `beside` goes right of it.
  QLineEdit* AddEntry(QFormLayout* form, const char* setting, const QString& prompt,
                      QWidget* beside = nullptr);
  QLineEdit* Entry(const char* setting) const;

  void ShowSettings();
  void TakeControlValues();
  void RunRequest(FieldRequest request);
  void ReloadList(std::int32_t selectId, int fallbackRow);
  std::int32_t SelectedId() const;
  void UpdateButtons();

  std::unique_ptr<FieldStore> store_;
  RunEnvironment environment_;
  ProjectSettings settings_;
  FieldList fields_;
  FieldHistory history_;

  std::vector<std::pair<const SettingInfo*, QLineEdit*>> entries_;
  QButtonGroup* edition_ = nullptr;
  QComboBox* theme_ = nullptr;
  QTableView* list_ = nullptr;
  FieldListModel* model_ = nullptr;
  QPushButton* change_ = nullptr;
  QPushButton* delete_ = nullptr;
  QWidget* browsing_ = nullptr;
  std::vector<ScreenPreview*> previews_;
  ProgressWindow* progress_ = nullptr;
  bool filling_ = false;
};

// Opens the Main window on its field store. When the store cannot be opened
// a message box names the file and the reason, and there is no window.
std::unique_ptr<MainWindow> OpenMainWindow(const MainWindowOptions& options,
                                           QWidget* parent = nullptr);

}  // namespace tablesmith::ui
