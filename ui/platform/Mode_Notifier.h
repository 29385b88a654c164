#pragma once
// Announces changes of the program-wide modes to every open window, so that a
// window showing a mode never shows a stale one after another window changed it.

#include <QObject>
#include <cstdint>

namespace Platform {

class Mode_Notifier : public QObject {
    Q_OBJECT
  public:
    static Mode_Notifier &Instance();

    // Sets CalcModule::Angle_Unit and tells every listener; the unit already
    // in force changes nothing and tells nobody.
    void Set_Angle_Unit(std::uint8_t unit);

  signals:
    void Angle_Unit_Changed(int unit);
};

} // namespace Platform
