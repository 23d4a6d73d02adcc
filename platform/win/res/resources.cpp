#include "platform/win/res/resources.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/win/text_compare.h"

// What a resource handle points at: one table of one registered module.
struct HRSRC__ {
  UINT type;
  WORD id;
  const void* data;
  DWORD size;
};

namespace {

struct LoadedModule {
  const ResourceModule* module = nullptr;
  // Both filled once at registration and never resized afterwards, so that
  // the handles given out (pointers into them) stay valid for the process.
  std::vector<StringBlock> stringBlocks;
  std::vector<HRSRC__> resources;
};

// Never shrinks: a handle, once given out, names its module for good.
std::vector<std::unique_ptr<LoadedModule>>& Modules() {
  static std::vector<std::unique_ptr<LoadedModule>> modules;
  return modules;
}

// A module handle is the address of its entry, disguised; it is only ever
// turned back after being found among the registered ones, so a stray
// handle is never dereferenced.
HINSTANCE ToHandle(const LoadedModule* loaded) {
  return reinterpret_cast<HINSTANCE>(const_cast<LoadedModule*>(loaded));
}

const LoadedModule* FromHandle(HINSTANCE handle) {
  const auto& modules = Modules();
  if (handle == nullptr) {
    return modules.empty() ? nullptr : modules.front().get();
  }
  for (const auto& loaded : modules) {
    if (ToHandle(loaded.get()) == handle) {
      return loaded.get();
    }
  }
  return nullptr;
}

// An integer resource, or "#123"; ids are 1 to 65535.
std::optional<WORD> ResourceNumber(LPCSTR name) {
  if (IS_INTRESOURCE(name)) {
    const WORD id = LOWORD(reinterpret_cast<UINT_PTR>(name));
    return id != 0 ? std::optional<WORD>(id) : std::nullopt;
  }
  if (name[0] != '#' || name[1] == '\0') {
    return std::nullopt;
  }
  unsigned value = 0;
  for (const char* p = name + 1; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') {
      return std::nullopt;
    }
    value = value * 10U + static_cast<unsigned>(*p - '0');
    if (value > 0xFFFFU) {
      return std::nullopt;
    }
  }
  return value != 0 ? std::optional<WORD>(static_cast<WORD>(value)) : std::nullopt;
}

template <typename T>
void AddTables(LoadedModule& loaded, UINT type, std::span<const ResourceEntry<T>> entries) {
  for (const ResourceEntry<T>& entry : entries) {
    if (entry.id != 0 && entry.resource != nullptr) {
      loaded.resources.push_back({type, entry.id, entry.resource, sizeof(T)});
    }
  }
}

std::unique_ptr<LoadedModule> Load(const ResourceModule* module) {
  auto loaded = std::make_unique<LoadedModule>();
  loaded->module = module;

  // Strings are found by block, sixteen ids a block, as in compiled tables;
  // where an id is listed twice the first text counts.
  std::map<WORD, StringBlock> blocks;
  for (const StringEntry& entry : module->strings) {
    if (entry.text == nullptr) {
      continue;
    }
    StringBlock& block = blocks[static_cast<WORD>(entry.id / 16U + 1U)];
    const char*& slot = block.strings[entry.id % 16U];
    if (slot == nullptr) {
      slot = entry.text;
    }
  }
  loaded->stringBlocks.reserve(blocks.size());
  for (const auto& [blockId, block] : blocks) {
    loaded->stringBlocks.push_back(block);
  }

  AddTables(*loaded, RT_MENU, module->menus);
  AddTables(*loaded, RT_DIALOG, module->dialogs);
  AddTables(*loaded, RT_BITMAP, module->bitmaps);
  AddTables(*loaded, RT_GROUP_ICON, module->iconGroups);
  if (module->version != nullptr) {
    loaded->resources.push_back(
        {RT_VERSION, VS_VERSION_INFO, module->version, sizeof(VersionInfo)});
  }
  std::size_t index = 0;
  for (const auto& [blockId, block] : blocks) {
    loaded->resources.push_back(
        {RT_STRING, blockId, &loaded->stringBlocks[index++], sizeof(StringBlock)});
  }
  return loaded;
}

const HRSRC__* FindIn(const LoadedModule* loaded, HRSRC resource) {
  if (loaded == nullptr || resource == nullptr) {
    return nullptr;
  }
  for (const HRSRC__& candidate : loaded->resources) {
    if (&candidate == resource) {
      return &candidate;
    }
  }
  return nullptr;
}

const void* FindTable(HINSTANCE module, LPCSTR name, UINT type) {
  const HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(type));
  return found != nullptr ? found->data : nullptr;
}

}  // namespace

HINSTANCE RegisterResourceModule(const ResourceModule* module) {
  if (module == nullptr) {
    return nullptr;
  }
  auto& modules = Modules();
  for (const auto& loaded : modules) {
    if (loaded->module == module) {
      return ToHandle(loaded.get());
    }
  }
  modules.push_back(Load(module));
  return ToHandle(modules.back().get());
}

HINSTANCE GetModuleHandleA(LPCSTR moduleName) {
  if (moduleName == nullptr) {
    return ToHandle(FromHandle(nullptr));
  }
  for (const auto& loaded : Modules()) {
    if (loaded->module->name != nullptr && SameIgnoringCase(loaded->module->name, moduleName)) {
      return ToHandle(loaded.get());
    }
  }
  return nullptr;
}

HRSRC FindResourceA(HINSTANCE module, LPCSTR name, LPCSTR type) {
  const LoadedModule* loaded = FromHandle(module);
  const std::optional<WORD> id = ResourceNumber(name);
  const std::optional<WORD> typeId = ResourceNumber(type);
  if (loaded == nullptr || !id || !typeId) {
    return nullptr;
  }
  for (const HRSRC__& candidate : loaded->resources) {
    if (candidate.type == *typeId && candidate.id == *id) {
      return const_cast<HRSRC>(&candidate);
    }
  }
  return nullptr;
}

HGLOBAL LoadResource(HINSTANCE module, HRSRC resource) {
  return const_cast<HRSRC__*>(FindIn(FromHandle(module), resource));
}

const void* LockResource(HGLOBAL loaded) {
  if (loaded == nullptr) {
    return nullptr;
  }
  for (const auto& candidate : Modules()) {
    const HRSRC__* found = FindIn(candidate.get(), static_cast<HRSRC>(loaded));
    if (found != nullptr) {
      return found->data;
    }
  }
  return nullptr;
}

DWORD SizeofResource(HINSTANCE module, HRSRC resource) {
  const HRSRC__* found = FindIn(FromHandle(module), resource);
  return found != nullptr ? found->size : 0;
}

const char* FindStringResource(HINSTANCE module, UINT id) {
  if (id == 0 || id > 0xFFFFU) {
    return nullptr;
  }
  const auto* block = static_cast<const StringBlock*>(
      FindTable(module, MAKEINTRESOURCEA(id / 16U + 1U), RT_STRING));
  return block != nullptr ? block->strings[id % 16U] : nullptr;
}

int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) {
    return 0;
  }
  const char* text = FindStringResource(module, id);
  int length = 0;
  if (text != nullptr) {
    while (length < size - 1 && text[length] != '\0') {
      buffer[length] = text[length];
      ++length;
    }
  }
  buffer[length] = '\0';
  return length;
}

const MenuTemplate* FindMenuTemplate(HINSTANCE module, LPCSTR name) {
  return static_cast<const MenuTemplate*>(FindTable(module, name, RT_MENU));
}

const DialogTemplate* FindDialogTemplate(HINSTANCE module, LPCSTR name) {
  return static_cast<const DialogTemplate*>(FindTable(module, name, RT_DIALOG));
}

const PixelArt* FindBitmapResource(HINSTANCE module, LPCSTR name) {
  return static_cast<const PixelArt*>(FindTable(module, name, RT_BITMAP));
}

const IconGroup* FindIconGroup(HINSTANCE module, LPCSTR name) {
  return static_cast<const IconGroup*>(FindTable(module, name, RT_GROUP_ICON));
}

const VersionInfo* FindVersionInfo(HINSTANCE module) {
  return static_cast<const VersionInfo*>(
      FindTable(module, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION));
}
