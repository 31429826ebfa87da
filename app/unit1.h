// The main window: its controls, its handlers and the program state they share.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/platform.h"
#include "toolkit/toolkit.h"

class TForm2;

constexpr int kImageSize = 512;
constexpr int kImageStore = 4096;
constexpr int kCellCount = 256;

class TForm1 : public tk::Form {
 public:
  TForm1(tk::Application& app, Platform& platform);
  ~TForm1() override;

  // Event handlers.
  void FormCreate(tk::Control* Sender);
  void FormClose(tk::Control* Sender, tk::CloseAction& Action);
  void FormMouseMove(tk::Control* Sender, int X, int Y);
  void GroupBox3MouseMove(tk::Control* Sender, int X, int Y);
  void ComboBox1Change(tk::Control* Sender);
  void TabControl1Change(tk::Control* Sender);
  void SpeedButton1Click(tk::Control* Sender);
  void SpeedButton2Click(tk::Control* Sender);
  void SpeedButton3Click(tk::Control* Sender);
  void SpeedButtonOpenClick(tk::Control* Sender);
  void SpeedButtonSaveClick(tk::Control* Sender);
  void SpeedButtonHEXClick(tk::Control* Sender);
  void SpeedButtonACSIIClick(tk::Control* Sender);

  // The port-selection setting.
  void LoadPara();
  void SavePara();

  // --- Program state ---
  std::array<std::uint8_t, kImageStore> SpdImage{};
  std::uint8_t HexMode = 1;  // 1 HEX, anything else ASCII
  std::array<tk::Edit*, kCellCount> CellEdits{};

  serial::SerialPort& CommHandle;
  bool PortOpen = true;
  char ComDeviceName[15] = {'\\', '\\', '.', '\\', 'C', 'O', 'M', 'x', 'x', 0, 0, 0, 0, 0, 0};
  serial::Registry& Registry;
  serial::Clock& Clock;

  std::wstring SpdFilePath;
  std::FILE* SpdFileStream = nullptr;

  TForm2* Form2 = nullptr;  // set by the entry once the dialog exists

  // A transfer is running and letting messages through; see transfer/transfer_guard.h.
  bool TransferRunning = false;
  // A port change picked while a transfer ran, applied once it returns.
  bool PortChangePending = false;

  // --- Controls on the form ---
  tk::Label* Label1;
  tk::ComboBox* ComboBox1;
  tk::Label* Label18;
  tk::TabControl* TabControl1;
  tk::FileDialog* OpenDialog1;
  tk::FileDialog* SaveDialog1;

  // --- Containers on TabControl1 ---
  tk::GroupBox* GroupBox1;
  tk::Panel* Panel1;
  tk::Panel* Panel2;
  tk::Panel* Panel3;
  tk::Panel* Panel5;
  tk::Panel* Panel8;

  // --- Panel2 ---
  tk::Picture* Image1;
  tk::ProgressBar* ProgressBar1;
  tk::Label* Label86;
  tk::Label* Label87;
  tk::Label* Label88;
  tk::Label* Label89;
  tk::Label* Label90;
  tk::Label* Label91;
  tk::Label* Label6;
  tk::Button* SpeedButton1;
  tk::Button* SpeedButton2;
  tk::Button* SpeedButton3;

  // --- GroupBox1 ---
  // Key captions K1..K9: Label98, Label13, Label19, Label27, Label32, Label36, Label43,
  // Label47, Label51.
  std::array<tk::Label*, 9> KeyCaptions{};
  // Linkage selectors K1..K9: ComboBox4..ComboBox12.
  std::array<tk::ComboBox*, 9> LinkageBoxes{};
  tk::ComboBox *ComboBox4, *ComboBox5, *ComboBox6, *ComboBox7, *ComboBox8, *ComboBox9, *ComboBox10,
      *ComboBox11, *ComboBox12;
  tk::ComboBox* ComboBox13;
  tk::Label* Label7;
  // Row captions per band: Label9/10/11, Label20/21/23, Label37/38/39.
  std::array<tk::Label*, 9> RowCaptions{};
  // "Code 1" and "Code 2" fields per key: Edit7/Edit10, Edit11/Edit12, ... Edit25/Edit26.
  std::array<tk::Edit*, 9> Code1Edits{};
  std::array<tk::Edit*, 9> Code2Edits{};

  // --- Panel1 ---
  tk::Label *Label2, *Label3, *Label4, *Label5, *Label93, *Label94, *Label96, *Label97;
  tk::Edit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit8, *Edit9;

  // --- Panel3 ---
  tk::Picture* Image2;
  tk::Picture* Image3;

  // --- Panel5 ---
  tk::Button* SpeedButtonOpen;
  tk::Button* SpeedButtonSave;
  tk::Button* SpeedButtonHEX;
  tk::Button* SpeedButtonACSII;
  tk::Label* Label8;
  std::array<tk::Label*, 9> LegendLabels{};  // Label12, 16, 25, 14, 22, 26, 15, 24, 28

  // --- Panel8 ---
  tk::Label *Label29, *Label30, *Label31, *Label33;

 private:
  void BuildLayout();
};

// Pages.
void ShowPage(TForm1& form);
void ShowCells(TForm1& form, bool visible);

// Cell grid.
void CreateCells(TForm1& form);

// Window and image.
void CollectImageFromForm(TForm1& form);
void ShowImageOnForm(TForm1& form);

// Serial port.
void FillPortList(TForm1& form);
void OpenCommPort(TForm1& form);
