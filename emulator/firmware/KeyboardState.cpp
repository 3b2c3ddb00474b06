#include "emulator/firmware/KeyboardState.h"

#include "emulator/firmware/JsonWriter.h"

namespace Tessera::Emulator {

void KeyboardState::restore_defaults()
{
    KeyboardState fresh;
    fresh.battery = battery;
    fresh.powered = powered;
    fresh.deviceResets = deviceResets;
    fresh.keyFunctionResets = keyFunctionResets;
    fresh.command0A = command0A;
    fresh.storedFrames = storedFrames;
    fresh.streamedFrames = streamedFrames;
    fresh.ignoredReports = ignoredReports;
    *this = std::move(fresh);
}

static void write_light(JsonWriter& json, LightState const& light)
{
    json.begin_object("light");
    json.field("mode", light.mode);
    json.field("brightness", light.brightness);
    json.field("speed", light.speed);
    json.field("direction", light.direction);
    json.field("colorIndex", light.colorIndex);
    json.field("extra", light.extra);
    json.field("color", to_hex(Bytes(light.color.begin(), light.color.end())));
    json.field("customApplied", light.customApplied);
    json.field("customSet", light.customSet);
    json.end_object();
}

static void write_key_map(JsonWriter& json, KeyboardState const& state)
{
    json.begin_array("keyMap");
    for (auto const& [where, value] : state.keyValues) {
        json.begin_object();
        json.field("layer", where.first);
        json.field("key", where.second);
        json.field("value", value);
        json.end_object();
    }
    json.end_array();
    json.begin_array("macroBlocks");
    for (auto const& [where, block] : state.macroBlocks) {
        json.begin_object();
        json.field("layer", where.first);
        json.field("key", where.second);
        json.field("data", to_hex(block));
        json.end_object();
    }
    json.end_array();
}

static void write_slots(JsonWriter& json, KeyboardState const& state)
{
    json.field("slotTable", to_hex(Bytes(state.slotTable.begin(), state.slotTable.end())));
    json.field("remapValues", to_hex(Bytes(state.remapValues.begin(), state.remapValues.end())));
    json.begin_array("macroSlots");
    for (auto const& [slot, data] : state.macroSlots) {
        json.begin_object();
        json.field("slot", slot);
        json.field("data", to_hex(data));
        json.end_object();
    }
    json.end_array();
    json.field("keyTable", to_hex(Bytes(state.keyTable.begin(), state.keyTable.end())));
    json.begin_array("macroTables");
    for (auto const& [slot, data] : state.macroTables) {
        json.begin_object();
        json.field("slot", slot);
        json.field("data", to_hex(data));
        json.end_object();
    }
    json.end_array();
}

std::string KeyboardState::to_json() const
{
    JsonWriter json;
    json.begin_object();
    json.field("battery", battery);
    json.field("powered", powered);
    json.field("sleepTime", sleepTime);
    json.field("keyResponseTime", keyResponseTime);
    json.field("fnSwitch", fnSwitch);
    write_key_map(json, *this);
    write_light(json, light);
    json.field("storedColors", to_hex(Bytes(storedColors.begin(), storedColors.end())));
    json.field("streamedColors", to_hex(Bytes(streamedColors.begin(), streamedColors.end())));
    json.field("colorsArmed", colorsArmed);
    write_slots(json, *this);
    json.begin_object("counters");
    json.field("deviceResets", deviceResets);
    json.field("keyFunctionResets", keyFunctionResets);
    json.field("command0A", command0A);
    json.field("storedFrames", storedFrames);
    json.field("streamedFrames", streamedFrames);
    json.field("ignoredReports", ignoredReports);
    json.end_object();
    json.end_object();
    return json.text();
}

}
