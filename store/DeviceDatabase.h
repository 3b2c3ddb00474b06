#pragma once

#include "store/Records.h"
#include "store/SQLiteDB.h"

#include <mutex>
#include <string>
#include <vector>

namespace Tessera {

// The configuration database of the current keyboard model: one SQLite file
// per model, "db/<model name>_data_v1.db" under the data folder, and every
// data operation the program runs on it.
//
// Threads: any thread may call any member. Each operation holds one
// recursive lock from before preparing until after finalising, so operations
// never interleave on the shared connection; opening, creating, closing and
// deleting take the same lock.
//
// Results on a closed database: queries find nothing (zero, false, empty
// list), bool writes return false, id-or-0 writes return 0 and id-or-code
// writes return 21 (SQLITE_MISUSE). Nothing throws and nothing is shown.
class DeviceDatabase {
public:
    DeviceDatabase() = default;
    virtual ~DeviceDatabase();
    DeviceDatabase(DeviceDatabase const&) = delete;
    DeviceDatabase& operator=(DeviceDatabase const&) = delete;

    // The file of `modelName` under `dataFolder` (UTF-8 path).
    static std::string DatabaseFilePath(std::wstring const& dataFolder, std::wstring const& modelName);

    // Opens the model's file, creating it with the empty schema when it does
    // not exist (an existing file gets no schema statement). A connection to
    // another file is closed first. The result is also kept (IsOpened).
    bool OpenDatabase(std::wstring const& dataFolder, std::wstring const& modelName);
    // Creates and opens the file at the path of the last OpenDatabase and
    // runs the schema; true only when every statement succeeded. The
    // connection stays open either way.
    bool CreateDatabase();
    // Closes the connection if one is open, then deletes the model's file with
    // its WAL side files. False when the file could not be closed or removed.
    bool DeleteDatabaseFile(std::wstring const& dataFolder, std::wstring const& modelName);
    // Closes the connection (if open) and clears the opened flag.
    void CloseDatabase();
    bool IsOpened() const;
    std::string DatabasePath() const;

    // Settings (t_configdata, always profile 1).
    bool GetConfigValue(std::wstring const& key, std::wstring& value);
    bool SetConfigValue(std::wstring const& key, std::wstring const& value);
    void InsertDefaultConfig();

    // Profiles (t_profile_data).
    int AddProfile(ProfileData const& profile);
    bool DeleteProfile(int profile);
    bool RenameProfile(int profile, std::wstring const& name);
    bool GetProfileName(int profile, std::wstring& name);
    int LoadProfiles(std::vector<ProfileData>& profiles);
    bool SetActiveProfile(int profile);
    int GetActiveProfile();

    // Key functions (t_key_macro_data, t_key_otherdata).
    int SaveKeyMacroData(KeyMacroData const& data);
    bool GetKeyMacroData(int profile, int fnLayer, int keyCode, KeyMacroData& data);
    int LoadLayerKeyMacroData(int profile, int fnLayer, std::vector<KeyMacroData>& list);
    int LoadProfileKeyMacroData(int profile, std::vector<KeyMacroData>& list);
    bool RenameMacroInKeys(int macroId, std::wstring const& name);
    bool DeleteMacroFromKeys(int macroId);
    void DeleteProfileKeyMacroData(int profile);
    int AddKeyOtherData(std::wstring const& macroDesc, std::wstring const& param, int type);
    // True whether or not the row exists; the outputs change only on a row.
    bool GetKeyOtherData(int id, std::wstring& macroDesc, std::wstring& param, int& type);

    // Light modes (t_light_data).
    int CountLightData(int profile);
    int AddLightData(LightData const& data);
    bool UpdateLightData(int profile, int mode, LightData const& data);
    bool SetActiveLightMode(int profile, int mode);
    int GetActiveLightMode(int profile);
    bool GetLightData(int profile, int mode, LightData& data);
    int LoadLightData(int profile, std::vector<LightData>& list);

    // Per-key colours (t_key_light_data).
    int SaveKeyLightData(std::vector<KeyLightData> const& list);
    bool DeleteKeyLightData();
    int LoadKeyLightData(int lightId, std::vector<KeyLightData>& list);

    // Macros (t_macro_data, t_macrorecord).
    int AddMacro(std::wstring const& name);
    int AddMacroData(MacroData const& data);
    bool RenameMacro(int macroId, std::wstring const& name);
    bool UpdateMacroPlayback(MacroData const& data);
    bool DeleteMacro(int macroId);
    bool GetMacroPlayTimes(int macroId, int& playTimes);
    bool GetMacroData(int macroId, MacroData& data);
    int LoadMacroData(std::vector<MacroData>& list);
    int AddMacroRecord(MacroRecord const& record);
    void AddMacroRecords(std::vector<MacroRecord> const& records);
    int LoadMacroRecords(int macroId, std::vector<MacroRecord>& list);
    bool DeleteMacroRecords(int macroId);
    int CountMacroKeyRecords(int macroId);

    // Music layers (t_musiclayer_data, profile 1, layer 1).
    int CountMusicLayers();
    int AddMusicLayer(std::wstring const& name, int foremode);
    bool GetMusicLayer(int layerId, MusicLayerData& data);
    bool UpdateMusicLayer(MusicLayerData const& data);
    bool SelectMusicLayer();
    int GetSelectedMusicLayer();

private:
    using Lock = std::lock_guard<std::recursive_mutex>;
    // id of the row just inserted, or `failure` when the insert failed.
    int InsertResult(bool succeeded, int failure);

    mutable std::recursive_mutex m_lock;
    SQLiteDB m_db;
    std::string m_path;
    std::string m_key;
    bool m_opened { false };
};

// The process-wide database, created on first use.
DeviceDatabase& GetDeviceDatabase();

}
