#pragma once

#include "config/KeyboardModel.h"

#include <string>

namespace Tessera {

class DeviceDatabase;

// The database switch of a model load: closes the open file and opens (or
// creates) the file of the new model under the data folder.
class ModelDatabaseSwitch : public ModelDatabase {
public:
    ModelDatabaseSwitch(DeviceDatabase& database, std::wstring dataFolder);
    void SwitchToModel(std::wstring const& modelName) override;

private:
    DeviceDatabase& m_database;
    std::wstring m_dataFolder;
};

}
