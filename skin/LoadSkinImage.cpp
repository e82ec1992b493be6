#include "skin/LoadSkinImage.h"

#include "platform/ResourceStore.h"

std::unique_ptr<ui::Image> LoadSkinImage(std::uint16_t number) {
    return ui::Image::FromPng(platform::ResourceStore::Find(platform::ResourceType::Png, number));
}
