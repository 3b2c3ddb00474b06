#include "store/ModelDatabaseSwitch.h"

#include "store/DeviceDatabase.h"

#include <utility>

namespace Tessera {

ModelDatabaseSwitch::ModelDatabaseSwitch(DeviceDatabase& database, std::wstring dataFolder)
    : m_database(database)
    , m_dataFolder(std::move(dataFolder))
{
}

void ModelDatabaseSwitch::SwitchToModel(std::wstring const& modelName)
{
    m_database.CloseDatabase();
    m_database.OpenDatabase(m_dataFolder, modelName);
}

}
